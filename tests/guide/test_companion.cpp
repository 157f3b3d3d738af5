// Next Step against a fake game: it learns of every change from the board's
// signal alone, asks the game for moves, and shares the game's keys.
#include "guide/NextStepWindow.h"
#include "support/FakeGameHost.h"
#include "support/Puzzles.h"

#include <QPushButton>
#include <QTest>

class TestCompanion : public QObject {
    Q_OBJECT
private slots:
    void followsTheBoardSignal()
    {
        FakeGameHost host;
        QString givens = QString::fromLatin1(fixture::kSolution);
        for (int i = 0; i < 81; i += 4)
            givens[i] = '0';
        host.setPuzzle(givens, QString::fromLatin1(fixture::kSolution));
        NextStepWindow ex(host, host.play);
        QCOMPARE(host.forwarding, QList<QWidget *>{&ex});
        ex.ExplainClick();
        const grader::CellDigit first = *nextstep::placement(ex.explanation());

        // A move made elsewhere: only the board's own refresh tells.
        TPicNode *cell = host.board->cellAt(first.cell);
        cell->state = stBigNumber;
        cell->value = QString::number(first.digit);
        host.board->ShowAll();
        QTRY_VERIFY(nextstep::placement(ex.explanation())->cell != first.cell);

        // Apply is the game's move, at the explained cell.
        const grader::CellDigit next = *nextstep::placement(ex.explanation());
        ex.ApplyButton->click();
        QCOMPARE(host.placed, (QList<QPair<int, QString>>{{next.cell, QString::number(next.digit)}}));
        QCOMPARE(host.play.round().hints, 1); // help, as a hint is
    }
};

QTEST_MAIN(TestCompanion)
#include "test_companion.moc"
