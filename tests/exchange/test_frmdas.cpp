#include "exchange/Ufrmdas.h"
#include "solver/Usol.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

class TestFrmdas : public QObject {
    Q_OBJECT

private slots:
    void fillWritesTheTwentyTwoLines()
    {
        // An empty board: the least solution starts 1..9, the least from
        // cell 81 backward ends 9..1.
        QString first, second;
        QCOMPARE(Tfrm_sol().CheckPuzzle(QString(81, QLatin1Char('*')), first, second), 2);
        TFrmdas viewer;
        viewer.Memo1->setPlainText(QStringLiteral("old text"));
        viewer.Fill(first, second);
        const QStringList lines = viewer.Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[0], QStringLiteral("Solution 1:"));
        QCOMPARE(lines[1], QStringLiteral("123456789"));
        QCOMPARE(lines[10], QString());
        QCOMPARE(lines[11], QString());
        QCOMPARE(lines[12], QStringLiteral("Solution 2:"));
        QCOMPARE(lines[21], QStringLiteral("987654321"));
        QCOMPARE(lines.mid(1, 9).join(QString()), first);
        QCOMPARE(lines.mid(13, 9).join(QString()), second);
    }

    // The cells where the solutions differ are marked in both grids, each
    // mark on exactly that cell's digit.
    void fillMarksTheCellsThatDiffer()
    {
        QString first(81, '1'), second(81, '1');
        second[0] = '2';
        second[40] = '3';
        TFrmdas viewer;
        viewer.Fill(first, second);
        QCOMPARE(TFrmdas::DifferingCells(first, second), (QList<int>{0, 40}));
        const QList<QTextEdit::ExtraSelection> marks = viewer.Memo1->extraSelections();
        QCOMPARE(marks.size(), 4);
        const QStringList lines = viewer.Memo1->toPlainText().split('\n');
        QStringList marked;
        for (const QTextEdit::ExtraSelection &m : marks) {
            const QTextBlock line = m.cursor.block();
            const int column = m.cursor.selectionStart() - line.position();
            QCOMPARE(m.cursor.selectedText().size(), 1);
            marked << QString("%1:%2=%3").arg(line.blockNumber()).arg(column).arg(m.cursor.selectedText());
            QCOMPARE(m.format.fontWeight(), int(QFont::Bold));
        }
        QCOMPARE(marked, (QStringList{"1:0=1", "13:0=2", "5:4=1", "17:4=3"}));
        viewer.Fill(first, first);
        QVERIFY(viewer.Memo1->extraSelections().isEmpty());
    }

    void windowIsAFixedReadOnlyDialogWithClose()
    {
        TFrmdas viewer;
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Multiple Solutions Viewer"));
        QVERIFY(viewer.Memo1->isReadOnly());
        QCOMPARE(viewer.Button1->text(), QStringLiteral("Close"));
        QCOMPARE(viewer.minimumSize(), viewer.maximumSize());
        QVERIFY(!(viewer.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                          | Qt::WindowContextHelpButtonHint)));
        QVERIFY(viewer.windowFlags() & Qt::WindowCloseButtonHint);
    }

    void closeEndsTheModalShow()
    {
        TFrmdas viewer;
        bool shown = false;
        QTimer::singleShot(0, &viewer, [&] {
            shown = viewer.isVisible() && viewer.isModal();
            QTest::mouseClick(viewer.Button1, Qt::LeftButton);
        });
        const QString a(81, QLatin1Char('1')), b(81, QLatin1Char('2'));
        viewer.ShowSolutions(a, b);
        QVERIFY(shown);
        QVERIFY(!viewer.isVisible());
        QVERIFY(viewer.Memo1->toPlainText().startsWith(QStringLiteral("Solution 1:\n111111111")));
    }
};

QTEST_MAIN(TestFrmdas)
#include "test_frmdas.moc"
