// The window-free side of Next Step: its marks, their colours and where
// the window opens.
#include "game/NextStep.h"

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

    void besideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("room on the right") << QRect(246, 100, 532, 540) << QRect(0, 0, 1024, 768) << QPoint(782, 100);
        QTest::newRow("room on the left only") << QRect(700, 100, 532, 540) << QRect(0, 0, 1280, 768) << QPoint(460, 100);
        QTest::newRow("no room, more on the right") << QRect(50, 0, 532, 540) << QRect(0, 0, 800, 600) << QPoint(564, 0);
        QTest::newRow("no room, more on the left") << QRect(200, 0, 532, 540) << QRect(0, 0, 800, 600) << QPoint(0, 0);
        QTest::newRow("low on the screen") << QRect(246, 600, 532, 540) << QRect(0, 0, 1024, 768) << QPoint(782, 448);
        QTest::newRow("second screen") << QRect(1300, 50, 532, 540) << QRect(1024, 0, 1280, 1024) << QPoint(1836, 50);
    }
    void besideTheMainWindow()
    {
        QFETCH(QRect, main);
        QFETCH(QRect, screen);
        QFETCH(QPoint, at);
        QCOMPARE(nextstep::besidePlace(main, QSize(236, 320), screen), at);
    }
};

QTEST_GUILESS_MAIN(TestNextStepCore)
#include "test_nextstep_core.moc"
