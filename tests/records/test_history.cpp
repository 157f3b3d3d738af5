// The step-line codec and the sampled history.
#include "base/Digits.h"
#include "records/Ufrmstep.h"

#include <QTest>

namespace {

void fill(OwnedGrid &g)
{
    for (int i = 0; i < 81; ++i) {
        CellData &c = g.at(i / 9 + 1, i % 9 + 1);
        c.state = stCandidates;
        c.value = "123456789";
    }
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void stepLineFormat()
    {
        OwnedGrid g;
        fill(g);
        g.at(1, 1) = CellData{1, 1, "5", stFixed, false};
        g.at(1, 2) = CellData{1, 2, "7", stBigNumber, false};
        g.at(1, 3).value = "249";
        g.at(1, 4).value = "";
        g.at(1, 5).value = "92"; // the order the cell holds, not sorted
        const QString line = BoardToStepLine(g.grid());
        QVERIFY(line.startsWith("15,27,3249,3,392,3123456789,"));
        QCOMPARE(line.count(','), 80);
        QVERIFY(!line.endsWith(','));

        OwnedGrid back;
        StepLineToBoard(back.grid(), line);
        QCOMPARE(BoardToStepLine(back.grid()), line);
        QCOMPARE(back.at(1, 4).value, QString(""));
        QCOMPARE(back.at(1, 4).state, int(stCandidates));

        // Shortest and longest lines.
        OwnedGrid empty;
        for (int i = 0; i < 81; ++i)
            empty.at(i / 9 + 1, i % 9 + 1) = CellData{i / 9 + 1, i % 9 + 1, "", stCandidates, false};
        QCOMPARE(BoardToStepLine(empty.grid()).size(), 161);
        QCOMPARE(BoardToStepLine(g.grid()).size() <= 890, true);
    }

    void lineRunningOutOfCommas()
    {
        OwnedGrid g;
        StepLineToBoard(g.grid(), "15,  27 , 3249");
        QCOMPARE(g.at(1, 1).value, QString("5"));
        QCOMPARE(g.at(1, 2).state, int(stBigNumber));
        QCOMPARE(g.at(1, 2).value, QString("7 ")); // only the rest is trimmed, not the token
        for (int i = 2; i < 81; ++i) {
            QCOMPARE(g.grid()[i].state, int(stCandidates));
            QCOMPARE(g.grid()[i].value, QString("249"));
        }
    }

    void badTokensFailWhereTheyAre()
    {
        OwnedGrid g;
        fill(g);
        bool thrown = false;
        try {
            StepLineToBoard(g.grid(), "15,x7,3");
        } catch (const ConvertError &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(g.at(1, 1).state, int(stFixed)); // the cell before is set
        QCOMPARE(g.at(1, 2).value, QString("123456789"));
        // An empty line has no first character to convert.
        QVERIFY_THROWS_EXCEPTION(ConvertError, StepLineToBoard(g.grid(), ""));
    }

    void sampling()
    {
        OwnedGrid g;
        fill(g);
        Tfrmstep h;
        h.board = g.grid();
        int shown = 0;
        h.OnShowStep = [&] { ++shown; };
        // The first sample on an empty history always appends.
        h.RecordStep();
        QCOMPARE(h.memostep.size(), 1);
        h.RecordStep();
        QCOMPARE(h.memostep.size(), 1);
        // Two changes between ticks are one step.
        g.at(1, 1).value = "1";
        g.at(1, 2).value = "2";
        h.RecordStep();
        QCOMPARE(h.memostep.size(), 2);
        QCOMPARE(h.curstep, 1);

        h.ResetSteps();
        QCOMPARE(h.memostep.size(), 1);
        QCOMPARE(h.curstep, 0);
        QVERIFY(h.AtFirstStep() && h.AtLastStep());
        for (int s = 1; s <= 5; ++s) {
            g.at(5, 5).value = QString::number(s);
            h.RecordStep();
        }
        QCOMPARE(h.memostep.size(), 6);
        h.StepBack();
        h.StepBack();
        QCOMPARE(h.curstep, 3);
        QCOMPARE(g.at(5, 5).value, QString("3"));
        QCOMPARE(shown, 2);
        QVERIFY(!h.AtLastStep());
        // Showing an old step records nothing; a change there drops s4, s5.
        h.RecordStep();
        QCOMPARE(h.memostep.size(), 6);
        g.at(9, 9).value = "9";
        h.RecordStep();
        QCOMPARE(h.memostep.size(), 5);
        QCOMPARE(h.curstep, 4);
        QVERIFY(h.AtLastStep());
        QVERIFY(h.memostep.last().endsWith(",39"));

        h.StepFirst();
        QCOMPARE(g.at(5, 5).value, QString("123456789"));
        QVERIFY(h.AtFirstStep());
        h.StepLast();
        QCOMPARE(h.curstep, 4);
        h.StepNext(); // past the end: the buttons guard this, nothing breaks
        QCOMPARE(g.at(9, 9).value, QString("9"));
    }

    void cutStepsAfter()
    {
        Tfrmstep h;
        h.memostep = {"a", "b", "c", "d"};
        h.CutStepsAfter(1);
        QCOMPARE(h.memostep, (QStringList{"a", "b"}));
        h.CutStepsAfter(5);
        QCOMPARE(h.memostep.size(), 2);
        h.CutStepsAfter(-1);
        QVERIFY(h.memostep.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
