#pragma once

// The game as a companion window sees it, without the main window: a board
// of its own, a solution to hand out, and a record of what was asked.
#include "board/BoardLogic.h"
#include "board/GameHost.h"
#include "board/PICSD33.h"
#include "play/PlayModel.h"

#include <QList>
#include <QPair>
#include <QTemporaryDir>
#include <QWidget>

class FakeGameHost : public GameHost {
public:
    QWidget window;
    QTemporaryDir dir;
    PlayModel play{dir.path()};
    TPICSD33 *board = new TPICSD33(&window);
    QString solution;
    bool onBoard = false;
    QList<QPair<int, QString>> placed; // board index and digit
    QList<QWidget *> forwarding;

    // givens: 81 characters, '0' open; every open cell gets its candidates.
    void setPuzzle(const QString &givens, const QString &known)
    {
        for (int i = 0; i < 81; ++i) {
            TPicNode *cell = board->cellAt(i);
            const bool given = givens.at(i) != QLatin1Char('0');
            cell->state = given ? stFixed : stCandidates;
            cell->value = given ? givens.mid(i, 1) : QString();
        }
        boardlogic::fillCandidates(board->grid(), boardlogic::Open::All);
        solution = known;
        onBoard = true;
        board->ShowNone();
    }

    TPICSD33 *MainBoard() const override { return board; }
    QWidget *MainWindow() override { return &window; }
    void PlayPuzzle(const TPICSD33 &, const QString &) override {}
    void PlaceDigit(TPicNode *cell, const QString &digit) override
    {
        placed.append({geometry::boardIndex(cell->row, cell->col), digit});
        cell->state = stBigNumber;
        cell->value = digit;
        board->ShowNone();
    }
    QString KnownSolution() override { return solution; }
    bool puzzleOnBoard() const override { return onBoard; }
    void ForwardKeys(QWidget *w) override { forwarding.append(w); }
};
