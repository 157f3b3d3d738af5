// The window-free side of Next Step: its text, its marks, their colours
// and where the window opens.
#include "game/NextStep.h"

#include <QtTest>

using nextstep::Mark;

namespace {

grader::ExplainStep step(const char *title, bool place, std::vector<grader::CellDigit> changes, std::vector<int> pattern)
{
    grader::ExplainStep s;
    s.place = place;
    s.changes = std::move(changes);
    s.pattern = std::move(pattern);
    s.title = QString::fromLatin1(title);
    s.text = QStringLiteral("Because <%1>.").arg(QString::fromLatin1(title));
    return s;
}

// The text as the window shows it, one paragraph a line.
QString plain(QString html)
{
    html.replace("</p>", "\n").remove(QRegularExpression("<[^>]*>"));
    html.replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    return html.trimmed();
}

} // namespace

class TestNextStepCore : public QObject {
    Q_OBJECT
private slots:
    void textMarksAndPlacement()
    {
        grader::Explanation e;
        e.state = grader::ExplainState::Steps;
        e.steps = {step("Naked pair", false, {{10, 4}, {11, 4}}, {1, 2, 10}),
                   step("Hidden single", true, {{2, 7}}, {20})};
        QCOMPARE(plain(nextstep::explanationHtml(e)),
                 QString("1. Naked pair\nBecause <Naked pair>.\n2. Hidden single\nBecause <Hidden single>."));
        QCOMPARE(nextstep::placement(e), std::optional<grader::CellDigit>(grader::CellDigit{2, 7}));
        const nextstep::Marks m = nextstep::marksOf(e);
        // A change outranks a pattern, whichever step names the cell.
        for (const auto &[cell, mark] : std::vector<std::pair<int, Mark>>{
                 {1, Mark::Pattern}, {2, Mark::Change}, {10, Mark::Change}, {11, Mark::Change}, {20, Mark::Pattern}, {0, Mark::None}})
            QCOMPARE(m[static_cast<size_t>(cell)], mark);
        QCOMPARE(std::count(m.begin(), m.end(), Mark::None), 76);

        // Stuck: the removals found, then the sentence; nothing to place.
        e.state = grader::ExplainState::Stuck;
        e.steps.pop_back();
        e.message = "No technique places a digit.";
        QCOMPARE(plain(nextstep::explanationHtml(e)), QString("1. Naked pair\nBecause <Naked pair>.\nNo technique places a digit."));
        QVERIFY(!nextstep::placement(e));

        // A wrong digit: its sentence alone, its cell marked as the one to change.
        e.state = grader::ExplainState::WrongDigit;
        e.steps.clear();
        e.wrong = {80, 3};
        e.message = "The 3 is wrong.";
        QCOMPARE(plain(nextstep::explanationHtml(e)), QString("The 3 is wrong."));
        const nextstep::Marks wrong = nextstep::marksOf(e);
        QCOMPARE(wrong[80], Mark::Change);
        QCOMPARE(std::count(wrong.begin(), wrong.end(), Mark::None), 80);
    }

    // Frames stay readable over the board's own colours, whatever the
    // player chose, and the two kinds stay apart.
    void markColorsStandOut_data()
    {
        QTest::addColumn<QList<TColor>>("backgrounds");
        QTest::newRow("defaults") << QList<TColor>{clr::White, 13948116, 9938691, 254, clr::HintCell};
        QTest::newRow("built-in") << QList<TColor>{clr::White, 16759739, 9813909, 254, clr::HintCell};
        QTest::newRow("blue board") << QList<TColor>{clr::rgb(0, 110, 255), clr::rgb(0, 190, 230), clr::rgb(130, 40, 230), 254, clr::HintCell};
        QTest::newRow("orange board") << QList<TColor>{clr::rgb(255, 120, 0), clr::rgb(255, 200, 0), clr::rgb(230, 0, 150), 254, clr::HintCell};
        QTest::newRow("dark board") << QList<TColor>{clr::Black, clr::rgb(40, 40, 40), clr::rgb(90, 90, 90), clr::Maroon, clr::HintCell};
        QTest::newRow("no RGB colours") << QList<TColor>{-1, -1, static_cast<TColor>(0xFF00000F), 254, clr::HintCell};
    }
    void markColorsStandOut()
    {
        QFETCH(QList<TColor>, backgrounds);
        const std::vector<TColor> bg(backgrounds.begin(), backgrounds.end());
        const nextstep::MarkColors c = nextstep::markColors(bg);
        int nearest = 1000;
        for (TColor b : bg)
            if (clr::isRgb(b))
                nearest = std::min({nearest, nextstep::colorDistance(c.pattern, b), nextstep::colorDistance(c.change, b)});
        QVERIFY2(nearest >= 150, qPrintable(QString::number(nearest)));
        QVERIFY(nextstep::colorDistance(c.pattern, c.change) >= 250);
        QVERIFY(nextstep::colorDistance(c.pattern, clr::Black) >= 150);
        QVERIFY(nextstep::colorDistance(c.change, clr::Black) >= 150);
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
