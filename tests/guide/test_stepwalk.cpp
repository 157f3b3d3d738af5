// Next Step's walk through a longer explanation against a fake game: Back
// and Next, by button and key, frame one step at a time and grey the
// others' words; Apply places the last step's digit from any step.
#include "guide/NextStepWindow.h"
#include "support/FakeGameHost.h"

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
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
        NextStepWindow ex(host, host.play);
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

    // At each step the board shows the candidates the earlier steps left,
    // drawn as the board draws marks, in any mode; the step's words are in
    // view; closing leaves the board and its cells as they were.
    void walkShowsEachStepsCandidates()
    {
        FakeGameHost host;
        const engine::Grid g = engine::parse(kPosition, 81);
        host.setPuzzle(QString::fromLatin1(kPosition), engine::toString(*engine::uniqueSolution(g)));
        host.window.resize(host.board->size());
        host.window.show();
        host.board->ShowAll(); // the marks are the position's candidates
        const QImage all = host.board->grab().toImage();
        host.board->ShowNone();
        const QImage none = host.board->grab().toImage();
        QStringList values;
        for (int i = 0; i < 81; ++i)
            values << host.board->cellAt(i)->value;

        NextStepWindow ex(host, host.play);
        ex.memo1->setFixedHeight(40); // room for about one step
        ex.ExplainClick();
        QVERIFY(QTest::qWaitForWindowExposed(&ex));
        const grader::Explanation &e = ex.explanation();
        const int count = static_cast<int>(e.steps.size());
        QVERIFY(count > 1);
        for (int k = 0; k < count; ++k, ex.NextClick()) {
            QString left[81];
            for (int i = 0; i < 81; ++i)
                left[i] = values[i];
            for (int j = 0; j < k; ++j)
                for (const grader::CellDigit &cd : e.steps[static_cast<size_t>(j)].changes)
                    left[cd.cell].remove(QString::number(cd.digit));
            const BoardOverlay::Candidates &shown = ex.stepMarks()->candidates();
            for (int i = 0; i < 81; ++i) {
                QString digits;
                for (int d = 1; d <= 9; ++d)
                    if (shown[static_cast<size_t>(i)].value_or(0) & (1u << d))
                        digits += QString::number(d);
                QCOMPARE(shown[static_cast<size_t>(i)].has_value(), host.board->cellAt(i)->state == stCandidates);
                QCOMPARE(digits, shown[static_cast<size_t>(i)] ? left[i] : QString());
            }
            const QTextBlock title = ex.memo1->document()->findBlockByNumber(2 * k);
            const QRect at = ex.memo1->cursorRect(QTextCursor(title));
            QVERIFY2(ex.memo1->viewport()->rect().contains(at.center()), qPrintable(QString::number(k)));
        }

        // In mode None the unframed cells show the marks mode All shows.
        ex.BackButton->click();
        for (int k = 1; k < count; ++k)
            ex.BackClick();
        QCOMPARE(ex.currentStep(), 0);
        const nextstep::Marks marks = ex.stepMarks()->marks();
        const QImage walked = host.board->grab().toImage();
        for (int i = 0; i < 81; ++i) {
            if (marks[static_cast<size_t>(i)] != nextstep::Mark::None)
                continue;
            const QRect r = host.board->cellAt(i)->geometry();
            QVERIFY2(walked.copy(r) == all.copy(r), qPrintable(QString::number(i)));
        }

        ex.close();
        QVERIFY(host.board->grab().toImage() == none);
        for (int i = 0; i < 81; ++i)
            QCOMPARE(host.board->cellAt(i)->value, values[i]);
    }
};

QTEST_MAIN(TestStepWalk)
#include "test_stepwalk.moc"
