// New games, hint, solution and restart through the main window.
#include "puzzle/QJ.h"
#include "support/GameDriver.h"

#include "appearance/UfrmAppearance.h"
#include "exchange/Ufrmdas.h"

#include <QTest>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "game/DigitPad.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

using fixture::Game;

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void newGameFromEachLevel()
    {
        Game g;
        const QStringList captions{"  Level:Very Easy", "  Level:Gentle", "  Level:Moderate", "  Level:Tough",
                                   "  Level:Diabolical"};
        for (int level = 0; level < 5; ++level) {
            g.form->NewGameClick(level);
            QCOMPARE(g.form->ndtxt->text(), captions[level]);
            QCOMPARE(g.form->sd991->nd, level);
            QVERIFY(g.form->sd991->isEnabled());
            QVERIFY(g.form->rb_none->isChecked());
            QCOMPARE(g.form->SelectedDigit(), 1);
            QVERIFY(g.form->TimeLabel1->timerenabled());
            QCOMPARE(g.form->TimeLabel1->MS(), 0);
            QCOMPARE(g.steps->memostep.size(), 1);
            for (QToolButton *b : {g.form->tbfirst, g.form->tbback, g.form->tbnext, g.form->tblast})
                QVERIFY(!b->isEnabled());
            const QString solution = g.form->QJ1->GetSolution();
            QCOMPARE(solution.size(), 81);
            int givens = 0;
            for (int i = 0; i < 81; ++i) {
                TPicNode *c = g.form->sd991->cellAt(i);
                if (g.form->QJ1->node(c->row, c->col).given) {
                    ++givens;
                    QCOMPARE(c->state, int(stFixed));
                    QCOMPARE(c->value, solution.mid(i, 1));
                    QCOMPARE(c->caption(), c->value);
                } else {
                    // Open, with the candidates the givens leave, not shown.
                    QCOMPARE(c->state, int(stCandidates));
                    QCOMPARE(c->value, g.form->sd991->CandidatesOf(c->row, c->col));
                    for (int k = 1; k <= 9; ++k)
                        QVERIFY(c->marks[static_cast<size_t>(k)]->isHidden());
                }
            }
            QVERIFY(givens > 0);
        }
    }

    void newGameLeavesAFinishedOrOtherModeGame()
    {
        Game g;
        g.deal();
        g.form->rb_all->setChecked(true);
        g.form->disnote[3]->click();
        g.form->sd991->setEnabled(false);
        g.form->WC_Label->show();
        g.form->NewGameClick(2);
        QVERIFY(g.form->rb_none->isChecked());
        QCOMPARE(g.form->SelectedDigit(), 1);
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(g.form->WC_Label->isHidden());
    }

    void hintFillsFromTheBottomRight()
    {
        Game g;
        g.deal();
        g.cell(9, 9)->value = "1"; // a wrong list still gets the right digit
        g.form->ToolButton9Click();
        QCOMPARE(g.cell(9, 9)->state, int(stBigNumber));
        QCOMPARE(g.cell(9, 9)->value, g.solutionAt(9, 9));
        QCOMPARE(g.cell(9, 9)->panelColor(), 65535);
        QVERIFY(!g.cell(9, 8)->value.contains(g.solutionAt(9, 9))); // struck from the peers
        g.form->ToolButton9Click();
        QCOMPARE(g.cell(9, 8)->value, g.solutionAt(9, 8));
        // Filling the last open cell does not finish by itself.
        for (int i = 0; i < 81; ++i)
            g.form->ToolButton9Click();
        QVERIFY(g.form->WC_Label->isHidden());
        QVERIFY(g.form->sd991->isEnabled());
        // The next left click on a given does, in mode None.
        g.form->CellMouseDown(g.cell(1, 1), Qt::LeftButton);
        QVERIFY(!g.form->WC_Label->isHidden());
        QVERIFY(!g.form->sd991->isEnabled());
    }

    void hintWithoutSolutionOrOpenCell()
    {
        Game g;
        g.deal(false);
        const QString before = g.cell(9, 9)->value;
        g.form->ToolButton9Click();
        QCOMPARE(g.cell(9, 9)->value, before);

        Game h;
        h.deal();
        for (int i = 0; i < 81; ++i) {
            TPicNode *c = h.form->sd991->cellAt(i);
            if (c->state == stCandidates) {
                c->state = stBigNumber;
                c->value = "5"; // wrong mostly
            }
        }
        h.form->ToolButton9Click();
        QCOMPARE(h.cell(9, 9)->value, QString("5"));
    }

    void showSolution()
    {
        Game g;
        g.deal();
        g.messages.answers = {false};
        g.form->tbsolveClick();
        QCOMPARE(g.messages.asked, QStringList{"Are you sure you want to see the solution?"});
        QCOMPARE(g.cell(9, 9)->state, int(stCandidates));

        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton); // a wrong 1
        g.form->sd991->setEnabled(false);
        g.messages.answers = {true};
        g.form->tbsolveClick();
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                QCOMPARE(g.cell(r, c)->value, g.solutionAt(r, c));
        QCOMPARE(g.cell(1, 2)->state, int(stBigNumber));
        QVERIFY(!g.form->sd991->isEnabled()); // a finished board stays finished
        QVERIFY(g.form->WC_Label->isHidden());
        QVERIFY(g.form->TimeLabel1->timerenabled());
    }

    void showSolutionAsksTheSolver()
    {
        Game g;
        g.deal(false);
        g.messages.answers = {true};
        g.form->tbsolveClick();
        QCOMPARE(g.cell(1, 2)->value, g.solutionAt(1, 2));
        QVERIFY(g.messages.reports.isEmpty());

        // Clashing givens.
        g.deal(false);
        g.cell(1, 2)->state = stFixed;
        g.cell(1, 2)->value = "8";
        g.messages.answers = {true};
        g.form->tbsolveClick();
        QCOMPARE(g.messages.reports, QStringList{"Puzzle is not solvable"});
        QCOMPARE(g.cell(1, 3)->state, int(stCandidates));

        // Two solutions: the report, then the viewer with both.
        QString shown;
        g.deal(false);
        for (int i = 0; i < 81; ++i)
            g.form->sd991->cellAt(i)->state = stCandidates; // no givens at all
        g.messages.answers = {true};
        QTimer::singleShot(0, [&] {
            TFrmdas *viewer = g.program->windows().Frmdas;
            shown = viewer->Memo1->toPlainText();
            viewer->close();
        });
        g.form->tbsolveClick();
        QCOMPARE(g.messages.reports.last(),
                 QString("This Puzzle has at least two solutions,Press OK to view it."));
        QVERIFY(shown.startsWith("Solution 1:\n123456789"));
        QVERIFY(shown.endsWith("987654321"));
        QCOMPARE(g.cell(1, 1)->state, int(stCandidates));
    }

    // An imported puzzle without a stored solution: the solver's solution
    // fills the board, and every counter stands full and red.
    void solutionFillsTheCounters()
    {
        Game g;
        g.deal(false);
        g.messages.answers = {true};
        g.form->tbsolveClick();
        for (int d = 1; d <= 9; ++d) {
            QCOMPARE(g.form->ProgressBar[static_cast<size_t>(d)]->value(), 9);
            QCOMPARE(g.form->ProgressBar[static_cast<size_t>(d)]->property("TColor").toInt(), 255);
        }
    }

    // Appearance's OK draws the board with its new colours in the mode
    // selected: in None, after the printable board, no candidate shows.
    void appearanceKeepsModeNone()
    {
        Game g;
        g.deal();
        g.form->PrintableBoardClick();
        QTimer::singleShot(0, [&] { g.program->windows().frmAppearance->Button1->click(); });
        g.form->AppearanceClick();
        QVERIFY(g.form->rb_none->isChecked());
        QVERIFY(g.cell(1, 2)->value.size() > 1); // open, its candidates filled
        for (int i = 0; i < 81; ++i)
            for (int k = 1; k <= 9; ++k)
                QVERIFY(g.form->sd991->cellAt(i)->marks[static_cast<size_t>(k)]->isHidden());
    }

    void restart()
    {
        Game g;
        g.deal();
        g.form->CellMouseDown(g.cell(1, 2), Qt::LeftButton);
        g.form->TimeLabel1->setMS(5000);
        g.messages.answers = {false};
        g.form->tbresignClick();
        QCOMPARE(g.cell(1, 2)->state, int(stBigNumber));
        QCOMPARE(g.messages.asked.last(), QString("Are you sure you want to reset this game to the initial state?"));

        g.form->rb_all->setChecked(true);
        g.form->sd991->setEnabled(false);
        g.form->WC_Label->show();
        g.messages.answers = {true};
        g.form->tbresignClick();
        QCOMPARE(g.cell(1, 2)->state, int(stCandidates));
        QCOMPARE(g.cell(1, 2)->value, g.form->sd991->CandidatesOf(1, 2));
        QCOMPARE(g.cell(1, 1)->state, int(stFixed));
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(g.form->WC_Label->isHidden());
        QVERIFY(g.form->rb_none->isChecked());
        QCOMPARE(g.form->SelectedDigit(), 1);
        QCOMPARE(g.form->TimeLabel1->MS(), 0);
        QCOMPARE(g.steps->memostep.size(), 1);
        QCOMPARE(g.form->QJ1->GetSolution(), QString(fixture::kSolution));
    }

    void restartAndSolutionNeedAPuzzle()
    {
        Game g;
        g.messages.answers = {true, true};
        g.form->tbresignClick();
        g.form->tbsolveClick();
        QVERIFY(g.messages.asked.isEmpty());
        QVERIFY(!g.form->sd991->isEnabled());
        QVERIFY(!g.form->TimeLabel1->timerenabled());
        for (int i = 0; i < 81; ++i)
            QVERIFY(!g.form->sd991->cellAt(i)->errflag);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
