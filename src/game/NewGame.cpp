// New games: clearing the board, dealing from the bank, putting a puzzle on
// the board.
#include "board/BoardLogic.h"
#include "base/Digits.h"
#include "game/DigitPad.h"
#include "puzzle/Levels.h"
#include "puzzle/QJ.h"
#include "play/PlayModel.h"
#include "puzzle/Ufrmtk.h"
#include "periphery/Seams.h"
#include "board/UpdateLock.h"
#include "game/Windows.h"
#include "game/Pause.h"
#include "game/main.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

void TForm1::ClearGame()
{
    QJ1->ClearValues();
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->state = stCandidates;
        cell->value.clear();
    }
    puzzleOnBoard_ = false;
    RecolorCells();
}

void TForm1::DealFromBank(int level)
{
    w_.frmtk->DealFromBank(level, *QJ1);
}

void TForm1::LoadPuzzle(bool withCandidates)
{
    pause_->endPause();
    play_.newRound(false);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        const TNode &node = QJ1->node(cell->row, cell->col);
        if (node.given == 1) {
            cell->state = stFixed;
            cell->value = QString::number(node.digit);
        } else {
            cell->state = stCandidates;
            if (withCandidates)
                cell->value = QStringLiteral("123456789");
        }
        cell->errflag = false;
    }
    if (withCandidates)
        boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::All);
    puzzleOnBoard_ = true;
    gamePutThisRun_ = true;
    sd991->setEnabled(true);
    WC_Label->hide();
}

void TForm1::NewGameClick(int level)
{
    if (!MayReplaceGame())
        return;
    UpdateLock lock(sd991);
    ClearGame();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    DealFromBank(level);
    ndtxt->setText(levels::caption(level));
    LoadPuzzle(true);
    play_.newRound(true);
    UpdateDigitBars();
    disnote1Click();
    ResetSteps();
    for (QToolButton *b : {tbback, tbfirst, tbnext, tblast})
        b->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    play_.setLevel(level);
    sd991->HideMarks();
}

void TForm1::PlayPuzzle(const TPICSD33 &source, const QString &solution)
{
    UpdateLock lock(sd991);
    ClearGame();
    for (int i = 0; i < 81; ++i) {
        const TPicNode *from = source.cellAt(i);
        TPicNode *cell = sd991->cellAt(i);
        cell->value = from->value;
        cell->state = stCandidates;
        TNode &node = QJ1->node(cell->row, cell->col);
        if (from->state == stBigNumber) {
            cell->state = stFixed;
            node.given = 1;
            node.digit = from->value.size() == 1 ? digitValue(from->value.at(0)) : 0;
        } else {
            node.given = 0;
            node.digit = 0;
        }
    }
    if (!solution.isEmpty())
        QJ1->SetSolution(solution);
    LoadPuzzle(false);
    UpdateDigitBars();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    disnote1Click();
    ResetSteps();
    tbback->setEnabled(false);
    tbnext->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    sd991->setEnabled(true);
    WC_Label->hide();
    ndtxt->setText(levels::caption(levels::kUnknown));
    play_.setLevel(levels::kUnknown);
}
