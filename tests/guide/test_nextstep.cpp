// Explain Next Step on the main board: what the window says for each kind
// of position, the frames on the board and their going, and Apply as the
// player's own move.
#include "board/BoardPlaces.h"
#include "board/Colors.h"
#include "guide/NextStepWindow.h"
#include "records/Ufrmstep.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

using fixture::Game;
using grader::ExplainState;

namespace {

NextStepWindow *explainer(const Game &g) { return g.program->windows().frmExplain; }
QImage board(const Game &g) { return g.form->sd991->grab().toImage(); }

// The known solution with every fourth cell open, (9, 9) the last: singles
// solve it.
void dealEasy(Game &g, bool withSolution = true)
{
    QString givens = QString::fromLatin1(fixture::kSolution);
    for (int i = 0; i < 81; i += 4)
        givens[i] = '0';
    g.deal(withSolution, givens);
}

void put(Game &g, int i, QChar digit)
{
    g.form->sd991->cellAt(i)->state = stBigNumber;
    g.form->sd991->cellAt(i)->value = digit;
}

} // namespace

class TestNextStep : public QObject {
    Q_OBJECT
private slots:
    void whatTheWindowSays()
    {
        struct Case {
            const char *name;
            void (*setup)(Game &);
            ExplainState state;
            const char *names; // a part of the text
        };
        const Case cases[] = {
            {"a dealt game", [](Game &g) { dealEasy(g); }, ExplainState::Steps, "1. "},
            {"its solution from the solver", [](Game &g) { dealEasy(g, false); }, ExplainState::Steps, "1. "},
            // An 8 against the solution beside the given 8: the wrong digit comes first.
            {"a wrong digit", [](Game &g) { g.deal(); put(g, 1, '8'); }, ExplainState::WrongDigit, "row 1, column 2"},
            {"a clash", [](Game &g) { put(g, 0, '5'); put(g, 1, '5'); }, ExplainState::Clash, "5"},
            {"no puzzle", [](Game &) {}, ExplainState::NoSolution, ""},
            {"two solutions", [](Game &g) { g.deal(false, QString(fixture::kSolution).left(9) + QString(72, '0')); },
             ExplainState::NoSolution, ""},
            {"a finished board", [](Game &g) { g.deal(); g.form->FillWithSolution(fixture::kSolution); },
             ExplainState::Finished, ""},
        };
        for (const Case &c : cases) {
            Game g;
            c.setup(g);
            NextStepWindow *ex = explainer(g);
            ex->ExplainClick();
            const grader::Explanation &e = ex->explanation();
            const QString text = ex->memo1->toPlainText();
            QVERIFY2(e.state == c.state && text.contains(QString::fromLatin1(c.names)), qPrintable(text));
            const bool steps = c.state == ExplainState::Steps;
            if (steps)
                QVERIFY2(text.startsWith("1. " + e.steps.front().title + "\n") && text.contains(e.steps.back().text), c.name);
            else
                QVERIFY2(text == e.message && !text.isEmpty(), c.name);
            QVERIFY2(ex->ApplyButton->isEnabled() == steps, c.name);
        }
    }

    // The frames show while the window does; Escape closes it and leaves
    // the board drawn exactly as before.
    void framesWhileShown()
    {
        Game g;
        dealEasy(g);
        g.form->disnote[3]->click(); // a highlighted digit under some frames
        const QImage before = board(g);
        NextStepWindow *ex = explainer(g);
        QCOMPARE(g.form->ExplainNextStep1->shortcut(), QKeySequence(Qt::Key_F4));
        g.form->ExplainNextStep1->trigger();
        QVERIFY(ex->isVisible());
        const nextstep::Marks marks = ex->stepMarks()->marks();
        QCOMPARE(marks, nextstep::marksOf(ex->explanation()));
        QCOMPARE(std::count(marks.begin(), marks.end(), nextstep::Mark::Change), 1);

        const QImage shown = board(g);
        const nextstep::MarkColors colors = ex->stepMarks()->colors();
        for (int i = 0; i < 81; ++i) {
            const QPoint edge(boardplaces::cellEdge(i % 9 + 1) + 1, boardplaces::cellEdge(i / 9 + 1) + 20);
            const QPoint inside = edge + QPoint(StepMarks::kBand + 2, 0);
            const nextstep::Mark m = marks[static_cast<size_t>(i)];
            const QColor want = m == nextstep::Mark::None ? QColor(before.pixel(edge))
                                : toQColor(m == nextstep::Mark::Pattern ? colors.pattern : colors.change);
            QCOMPARE(QColor(shown.pixel(edge)), want);
            QCOMPARE(shown.pixel(inside), before.pixel(inside));
        }

        QTest::keyClick(ex->memo1, Qt::Key_Escape);
        QVERIFY(!ex->isVisible());
        QVERIFY(board(g) == before);
    }

    // A move while the window is open: the window explains the new board
    // and its frames follow; a board left without a step loses them all.
    void followsTheBoard()
    {
        Game g;
        dealEasy(g);
        NextStepWindow *ex = explainer(g);
        ex->ExplainClick();
        const grader::CellDigit first = *nextstep::placement(ex->explanation());
        g.form->PlaceDigit(g.form->sd991->cellAt(first.cell), QString::number(first.digit));
        ex->Follow();
        QVERIFY(nextstep::placement(ex->explanation())->cell != first.cell);
        QCOMPARE(ex->stepMarks()->marks(), nextstep::marksOf(ex->explanation()));

        g.form->FillWithSolution(fixture::kSolution);
        ex->Follow();
        QCOMPARE(ex->explanation().state, ExplainState::Finished);
        const QImage followed = board(g);
        ex->close();
        QVERIFY(board(g) == followed);
    }

    void applyIsThePlayersMove()
    {
        Game g;
        dealEasy(g);
        NextStepWindow *ex = explainer(g);
        ex->ExplainClick();
        const grader::CellDigit p = *nextstep::placement(ex->explanation());
        const int r = p.cell / 9 + 1, c = p.cell % 9 + 1;
        const qsizetype recorded = g.steps->memostep.size();
        ex->ApplyButton->click();
        QCOMPARE(g.cell(r, c)->state, int(stBigNumber));
        QCOMPARE(g.cell(r, c)->value, g.solutionAt(r, c));
        // Auto update strikes it from the open peers.
        for (int k = 1; k <= 9; ++k)
            for (TPicNode *peer : {g.cell(r, k), g.cell(k, c)})
                QVERIFY(peer->state != stCandidates || !peer->value.contains(g.solutionAt(r, c)));
        g.form->TimeLabel1Timer();
        QCOMPARE(g.steps->memostep.size(), recorded + 1);
        QVERIFY(nextstep::placement(ex->explanation())->cell != p.cell);
    }

    void applyOnTheLastBlankFinishes()
    {
        Game g;
        dealEasy(g);
        for (int i = 0; i < 80; i += 4)
            put(g, i, QChar::fromLatin1(fixture::kSolution[i]));
        NextStepWindow *ex = explainer(g);
        ex->ExplainClick();
        QCOMPARE(nextstep::placement(ex->explanation())->cell, 80);
        ex->ApplyClick();
        QCOMPARE(g.cell(9, 9)->value, g.solutionAt(9, 9));
        QVERIFY(!g.form->WC_Label->isHidden());
        QVERIFY(!g.form->sd991->isEnabled());
        QVERIFY(!g.form->TimeLabel1->timerenabled());
        QCOMPARE(ex->explanation().state, ExplainState::Finished);
        QVERIFY(!ex->ApplyButton->isEnabled());
    }
};

QTEST_MAIN(TestNextStep)
#include "test_nextstep.moc"
