#pragma once

#include <QString>

class QWidget;
class TPICSD33;
class TPicNode;

// The game as every window beside the board sees it: the exchange dialogs
// and the companions (Next Step) are written against this and the board's
// changed() signal, never against the main window. The main window
// implements it; tests use a fake.
class GameHost {
public:
    virtual ~GameHost() = default;
    // The playing board sd991.
    virtual TPICSD33 *MainBoard() const = 0;
    // The main window: companions open beside it and are its children.
    virtual QWidget *MainWindow() = 0;
    // Starts a game on the puzzle of source: its stBigNumber cells become
    // the givens, its other cells open cells with their values. solution is
    // the puzzle's solution string, or empty when none is known.
    virtual void PlayPuzzle(const TPICSD33 &source, const QString &solution) = 0;
    // The player's entry of digit as the big number of cell, with the
    // refresh (and the finish) a click there brings.
    virtual void PlaceDigit(TPicNode *cell, const QString &digit) = 0;
    // The solution of the puzzle on the board: the stored one, else the
    // solver's when the givens have exactly one; empty otherwise.
    virtual QString KnownSolution() = 0;
    // True while a puzzle is on the board (dealt, continued or imported).
    virtual bool puzzleOnBoard() const = 0;
    // The keys of window (and its children) go to the main window's key
    // handling first, as its own do, so the player can go on choosing
    // digits and modes there.
    virtual void ForwardKeys(QWidget *window) = 0;
};
