// Hint, solution and restart.
#include "exchange/Ufrmdas.h"
#include "game/DigitPad.h"
#include "game/QJ.h"
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
    target->value = s.mid((target->row - 1) * 9 + target->col - 1, 1);
    target->state = stBigNumber;
    if (AutoUpdateOn())
        sd991->RemoveFromPeers(target->row, target->col);
    redraw();
    target->setPanelColor(clr::HintCell);
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
    QString puzzle;
    puzzle.reserve(81);
    for (int i = 0; i < 81; ++i) {
        const TPicNode *cell = sd991->cellAt(i);
        puzzle += cell->state == stFixed ? cell->value : QStringLiteral("*");
    }
    QString first, second;
    const int verdict = w_.frm_sol->CheckPuzzle(puzzle, first, second);
    if (verdict == 0) {
        FillWithSolution(first);
    } else if (verdict == 1) {
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
    } else {
        seams::messages().report(QStringLiteral("This Puzzle has at least two solutions,Press OK to view it."));
        w_.Frmdas->ShowSolutions(first, second);
    }
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
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->state == stCandidates)
            cell->value = sd991->CandidatesOf(cell->row, cell->col);
    }
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
