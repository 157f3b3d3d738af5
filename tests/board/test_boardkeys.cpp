// The cursor's moves and the words spoken for a cell, without widgets.
#include "board/BoardKeys.h"
#include "board/CellData.h"
#include "board/CellSpeech.h"

#include <QTest>

using boardkeys::Move;

Q_DECLARE_METATYPE(boardkeys::Move)

class TestBoardKeys : public QObject {
    Q_OBJECT
private slots:
    void moves_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<Move>("move");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::newRow("right") << 4 << 4 << Move::Right << 4 << 5;
        QTest::newRow("down") << 4 << 4 << Move::Down << 5 << 4;
        QTest::newRow("left wraps") << 3 << 1 << Move::Left << 3 << 9;
        QTest::newRow("right wraps") << 3 << 9 << Move::Right << 3 << 1;
        QTest::newRow("up wraps") << 1 << 6 << Move::Up << 9 << 6;
        QTest::newRow("down wraps") << 9 << 6 << Move::Down << 1 << 6;
        QTest::newRow("row first") << 7 << 5 << Move::RowFirst << 7 << 1;
        QTest::newRow("row last") << 7 << 5 << Move::RowLast << 7 << 9;
        QTest::newRow("column first") << 7 << 5 << Move::ColumnFirst << 1 << 5;
        QTest::newRow("column last") << 7 << 5 << Move::ColumnLast << 9 << 5;
    }
    void moves()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(Move, move);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        QCOMPARE(boardkeys::moved({row, col}, move), (boardkeys::Cell{toRow, toCol}));
    }

    void spoken_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<bool>("clash");
        QTest::addColumn<bool>("wrong");
        QTest::addColumn<QString>("name");
        QTest::newRow("given") << int(stFixed) << "7" << "" << false << false << "Row 3, column 5: given 7";
        QTest::newRow("yours") << int(stBigNumber) << "4" << "" << false << false << "Row 3, column 5: your 4";
        QTest::newRow("empty") << int(stCandidates) << "" << "" << false << false << "Row 3, column 5: empty";
        QTest::newRow("marks") << int(stCandidates) << "" << "129" << false << false
                               << "Row 3, column 5: empty, candidates 1 2 9";
        QTest::newRow("clash") << int(stBigNumber) << "4" << "" << true << false << "Row 3, column 5: your 4, clash";
        QTest::newRow("wrong") << int(stBigNumber) << "4" << "" << false << true
                               << "Row 3, column 5: your 4, not part of the solution";
    }
    void spoken()
    {
        QFETCH(int, state);
        QFETCH(QString, digit);
        QFETCH(QString, marks);
        QFETCH(bool, clash);
        QFETCH(bool, wrong);
        QFETCH(QString, name);
        QCOMPARE(cellspeech::name({3, 5, state, digit, marks, clash, wrong}), name);
    }
};

QTEST_GUILESS_MAIN(TestBoardKeys)
#include "test_boardkeys.moc"
