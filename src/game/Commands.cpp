// Hint, solution and restart.
#include "board/BoardLogic.h"
#include "exchange/Ufrmdas.h"
#include "game/DigitPad.h"
#include "puzzle/QJ.h"
#include "play/PlayModel.h"
#include "board/UpdateLock.h"
#include "game/Windows.h"
#include "game/main.h"
#include "periphery/Seams.h"
#include "solver/Usol.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

void TForm1::ToolButton9Click()
{
    const QString s = QJ1->GetSolution();
    if (s.isEmpty())
        return;
    TPicNode *target = nullptr;
    for (int i = 0; i < 81; ++i)
        if (sd991->cellAt(i)->state == stCandidates)
            target = sd991->cellAt(i);
    if (!target)
        return;
    UpdateLock lock(sd991);
    target->value = s.mid(geometry::boardIndex(target->row, target->col), 1);
    target->state = stBigNumber;
    if (AutoUpdateOn())
        sd991->RemoveFromPeers(target->row, target->col);
    redraw();
    target->setPanelColor(clr::HintCell);
    play_.hintUsed();
}

void TForm1::FillWithSolution(const QString &s)
{
    UpdateLock lock(sd991);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->state == stFixed)
            continue;
        cell->value = s.mid(i, 1);
        cell->state = stBigNumber;
    }
    sd991->ShowAll();
    sd991->CheckConflicts();
    RefreshColors();
    play_.solutionShown();
}

void TForm1::tbsolveClick()
{
    if (!puzzleOnBoard_)
        return;
    if (!seams::messages().ask(QStringLiteral("Are you sure you want to see the solution?")))
        return;
    const QString s = QJ1->GetSolution();
    if (!s.isEmpty()) {
        FillWithSolution(s);
        return;
    }
    const GivensVerdict &v = givensVerdict();
    if (v.verdict == 0) {
        FillWithSolution(v.first);
    } else if (v.verdict == 1) {
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
    } else {
        seams::messages().report(QStringLiteral("This Puzzle has at least two solutions,Press OK to view it."));
        w_.Frmdas->ShowSolutions(v.first, v.second);
    }
}

const TForm1::GivensVerdict &TForm1::givensVerdict()
{
    // Every cell but a given is a blank to the solver.
    const QString givens = sd991->GivensString();
    if (!verdict_ || verdict_->givens != givens) {
        GivensVerdict v;
        v.givens = givens;
        v.verdict = w_.frm_sol->CheckPuzzle(givens, v.first, v.second);
        verdict_ = v;
    }
    return *verdict_;
}

QString TForm1::KnownSolution()
{
    const QString stored = QJ1->GetSolution();
    if (stored.size() == 81)
        return stored;
    if (puzzleOnBoard_ && givensVerdict().verdict == 0)
        return givensVerdict().first;
    return {};
}

void TForm1::tbresignClick()
{
    // Without a puzzle there are no givens to go back to.
    if (!puzzleOnBoard_)
        return;
    if (!seams::messages().ask(QStringLiteral("Are you sure you want to reset this game to the initial state?")))
        return;
    UpdateLock lock(sd991);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->state != stFixed) {
            cell->value = QStringLiteral("123456789");
            cell->state = stCandidates;
        }
    }
    boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::All);
    sd991->setEnabled(true);
    sd991->CheckConflicts();
    WC_Label->hide();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    UpdateDigitBars();
    disnote1Click();
    sd991->HideMarks();
    ResetSteps();
    for (QToolButton *b : {tbback, tbfirst, tbnext, tblast})
        b->setEnabled(false);
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
    MarkWrongDigits();
}
