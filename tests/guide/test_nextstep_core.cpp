// The window-free side of Next Step: its marks, their colours and where
// the window opens.
#include "guide/NextStep.h"

#include <QtTest>

using nextstep::Mark;

class TestNextStepCore : public QObject {
    Q_OBJECT
private slots:
    void marksAndPlacement()
    {
        grader::Explanation e;
        e.state = grader::ExplainState::Steps;
        e.steps.resize(2);
        e.steps[0].changes = {{10, 4}, {11, 4}};
        e.steps[0].pattern = {1, 2, 10};
        e.steps[1] = {grader::Technique::HiddenSingle, true, {{2, 7}}, {20}, {}, {}};
        QCOMPARE(nextstep::placement(e), std::optional<grader::CellDigit>(grader::CellDigit{2, 7}));
        const nextstep::Marks m = nextstep::marksOf(e);
        // A change outranks a pattern, whichever step names the cell.
        const std::pair<int, Mark> want[] = {{1, Mark::Pattern}, {2, Mark::Change}, {10, Mark::Change},
                                             {11, Mark::Change}, {20, Mark::Pattern}, {0, Mark::None}};
        for (const auto &[cell, mark] : want)
            QCOMPARE(m[static_cast<size_t>(cell)], mark);
        QCOMPARE(std::count(m.begin(), m.end(), Mark::None), 76);

        // Removals that stop short of a placement leave nothing to apply.
        e.state = grader::ExplainState::Stuck;
        e.steps.pop_back();
        QVERIFY(!nextstep::placement(e));
    }

    // The walk's candidates: a removal counts from the step after it, a
    // placement strikes nothing, and only steps have candidates to show.
    void candidatesAtAStep()
    {
        engine::Grid placed{};
        placed[0] = 1; // r1c1: 1, so r1c2 may hold 2..9
        grader::Explanation e;
        e.state = grader::ExplainState::Steps;
        e.steps.resize(2);
        e.steps[0].changes = {{1, 4}, {1, 5}};
        e.steps[1] = {grader::Technique::HiddenSingle, true, {{1, 2}}, {}, {}, {}};
        const auto at = [&](int step) { return nextstep::candidatesAt(placed, e, step); };
        QVERIFY(!at(0)[0]);
        QCOMPARE(at(0)[1], std::optional<nextstep::DigitBits>(0b1111111100));
        QCOMPARE(at(1)[1], std::optional<nextstep::DigitBits>(0b1111001100));
        QCOMPARE(at(2)[1], at(1)[1]);
        QCOMPARE(at(1)[80], at(0)[80]);
        e.state = grader::ExplainState::Stuck;
        const auto stuck = at(1);
        QVERIFY(std::none_of(stuck.begin(), stuck.end(), [](const auto &c) { return c.has_value(); }));
    }

    // Frames stay readable over the board's own colours, whatever the
    // player chose, and the two kinds stay apart.
    void markColorsStandOut_data()
    {
        QTest::addColumn<QList<TColor>>("backgrounds");
        QTest::newRow("defaults") << QList<TColor>{clr::White, 13948116, 9938691, 254, clr::HintCell};
        QTest::newRow("blue board") << QList<TColor>{clr::rgb(0, 110, 255), clr::rgb(0, 190, 230), clr::rgb(130, 40, 230), 254};
        QTest::newRow("orange board") << QList<TColor>{clr::rgb(255, 120, 0), clr::rgb(255, 200, 0), clr::rgb(230, 0, 150), 254};
        QTest::newRow("dark board") << QList<TColor>{clr::Black, clr::rgb(40, 40, 40), clr::rgb(90, 90, 90), clr::Maroon};
        QTest::newRow("no RGB colours") << QList<TColor>{-1, -1, static_cast<TColor>(0xFF00000F), 254};
    }
    void markColorsStandOut()
    {
        QFETCH(QList<TColor>, backgrounds);
        backgrounds << clr::Black; // the board's lines
        const std::vector<TColor> bg(backgrounds.begin(), backgrounds.end() - 1);
        const nextstep::MarkColors c = nextstep::markColors(bg);
        for (TColor b : backgrounds)
            if (clr::isRgb(b))
                QVERIFY(std::min(nextstep::colorDistance(c.pattern, b), nextstep::colorDistance(c.change, b)) >= 150);
        QVERIFY(nextstep::colorDistance(c.pattern, c.change) >= 250);
    }
};

QTEST_GUILESS_MAIN(TestNextStepCore)
#include "test_nextstep_core.moc"
