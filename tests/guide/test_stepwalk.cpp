// Next Step's walk through a longer explanation against a fake game: Back
// and Next, by button and key, frame one step at a time and grey the
// others' words; Apply places the last step's digit from any step.
#include "guide/UfrmExplain.h"
#include "support/FakeGameHost.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QWindow>
#include <QTextEdit>

namespace {
// Locked candidates and a pair before the digit: more than one step.
const char kPosition[] = "074500619006700584005060372607139408038000901000200736040000267060000095702000043";
} // namespace

class TestStepWalk : public QObject {
    Q_OBJECT
private slots:
    void walksOneStepAtATime()
    {
        FakeGameHost host;
        const engine::Grid g = engine::parse(kPosition, 81);
        host.setPuzzle(QString::fromLatin1(kPosition), engine::toString(*engine::uniqueSolution(g)));
        TfrmExplain ex(host);
        ex.ExplainClick();
        QVERIFY(QTest::qWaitForWindowActive(&ex));
        const grader::Explanation &e = ex.explanation();
        const int count = static_cast<int>(e.steps.size());
        QVERIFY(count > 1);
        const auto shows = [&](int step) {
            QCOMPARE(ex.currentStep(), step);
            QCOMPARE(ex.stepMarks()->marks(), nextstep::marksOf(e, step));
            QCOMPARE(ex.BackButton->isEnabled(), step > 0);
            QCOMPARE(ex.NextButton->isEnabled(), step + 1 < count);
            QVERIFY(ex.ApplyButton->isEnabled());
            // Each step is a title line and a text line: only the current one's in black.
            int faded = 0, line = 0;
            for (QTextBlock b = ex.memo1->document()->begin(); b.isValid(); b = b.next(), ++line) {
                const bool grey = b.begin().fragment().charFormat().foreground().color() == QColor(0x80, 0x80, 0x80);
                QVERIFY(grey != (line / 2 == step));
                faded += grey;
            }
            QCOMPARE(faded, 2 * (count - 1));
        };
        shows(0);
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(ex.windowHandle(), Qt::Key_N, Qt::AltModifier);
            QTRY_COMPARE(ex.currentStep(), i); // a key clicks the button after a moment
            shows(i);
        }
        ex.NextClick(); // past the placement: stays on it
        shows(count - 1);
        QCOMPARE(ex.stepMarks()->marks()[static_cast<std::size_t>(e.steps.back().changes.front().cell)],
                 nextstep::Mark::Change);
        ex.BackButton->click();
        shows(count - 2);
        QTest::keyClick(ex.windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(ex.currentStep(), std::max(count - 3, 0));
        shows(std::max(count - 3, 0));

        const grader::CellDigit p = *nextstep::placement(e);
        ex.ApplyButton->click();
        QCOMPARE(host.placed, (QList<QPair<int, QString>>{{p.cell, QString::number(p.digit)}}));
    }
};

QTEST_MAIN(TestStepWalk)
#include "test_stepwalk.moc"
