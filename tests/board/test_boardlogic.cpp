// The Sudoku services on a position, on cells without widgets.
#include "board/BoardLogic.h"
#include "base/Digits.h"
#include "base/Geometry.h"

#include <QTest>

#include <algorithm>

using namespace boardlogic;

namespace {

// A grid from 81 characters: '1'..'9' fixed digits, '.' open cells with an
// empty list. Further cells are set by the test.
OwnedGrid gridOf(const char *givens)
{
    OwnedGrid g;
    for (int i = 0; i < 81; ++i) {
        CellData &c = g.at(i / 9 + 1, i % 9 + 1);
        if (givens[i] >= '1' && givens[i] <= '9') {
            c.state = stFixed;
            c.value = QString(QChar::fromLatin1(givens[i]));
        } else {
            c.state = stCandidates;
            c.value.clear();
        }
    }
    return g;
}

const char *const kEmpty = ".................................................................................";

QList<int> flagged(const OwnedGrid &g)
{
    QList<int> out;
    for (int i = 0; i < 81; ++i)
        if (g.grid()[i].errflag)
            out << i;
    return out;
}

} // namespace

class TestBoardLogic : public QObject {
    Q_OBJECT
private slots:
    void boxesAndPeers()
    {
        QCOMPARE(boxOf(1, 1), 1);
        QCOMPARE(boxOf(1, 9), 3);
        QCOMPARE(boxOf(5, 5), 5);
        QCOMPARE(boxOf(9, 1), 7);
        QCOMPARE(boxOf(9, 9), 9);
        for (int i = 0; i < 81; ++i) {
            const auto &p = peers()[static_cast<size_t>(i)];
            QVERIFY(std::is_sorted(p.begin(), p.end()));
            QVERIFY(std::find(p.begin(), p.end(), i) == p.end());
        }
        // (1,1): row 1..8, column 9,18,...,72 and the box's 10,11,19,20.
        const auto &p0 = peers()[0];
        QCOMPARE(p0[0], 1);
        QCOMPARE(p0[19], 72);
    }

    // Every table of the layout agrees with the others: each unit holds nine
    // distinct cells, a cell lies in exactly the units kUnitsOf names, and
    // its peers are those units' cells but itself.
    void layoutTablesAgree()
    {
        using namespace geometry;
        std::array<std::array<int, kCells>, kUnits> member{};
        for (int u = 0; u < kUnits; ++u)
            for (std::uint8_t c : kUnitCells[static_cast<size_t>(u)])
                ++member[static_cast<size_t>(u)][c];
        for (int c = 0; c < kCells; ++c) {
            const auto &units = kUnitsOf[static_cast<size_t>(c)];
            QCOMPARE(int(units[0]), rowOf(c));
            QCOMPARE(int(units[1]), 9 + colOf(c));
            QCOMPARE(int(units[2]), 18 + boxOf(c));
            std::array<int, kCells> seen{};
            for (int u = 0; u < kUnits; ++u) {
                const int in = member[static_cast<size_t>(u)][static_cast<size_t>(c)];
                QCOMPARE(in, std::count(units.begin(), units.end(), u) ? 1 : 0);
                if (in)
                    for (std::uint8_t p : kUnitCells[static_cast<size_t>(u)])
                        seen[p] = 1;
            }
            seen[static_cast<size_t>(c)] = 0;
            std::array<int, kCells> peersOf{};
            for (std::uint8_t p : kPeerCells[static_cast<size_t>(c)])
                peersOf[p] = 1;
            QVERIFY(peersOf == seen);
        }
    }

    void candidatesOf_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("expected");
        QTest::newRow("only open cells around") << QString::fromLatin1(kEmpty) << 5 << 5 << "123456789";
        //            row 1: 1..8 fixed; column 9 gets a 9 in row 9
        QTest::newRow("all digits taken")
            << QString("12345678........................................................................9") << 1 << 9
            << "";
        // (1,1)=1 row and box, (1,9)=2 row, (2,3)=3 box, (9,2)=5 column; (4,4)=4 is no peer.
        QTest::newRow("row, column and box")
            << QString("1.......2..3..................4..........................................5.......") << 1 << 2 << "46789";
    }
    void candidatesOf()
    {
        QFETCH(QString, board);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, expected);
        OwnedGrid g = gridOf(board.toLatin1().constData());
        QCOMPARE(boardlogic::candidatesOf(g.grid(), row, col), expected);
    }

    void candidatesIgnoreTheCellItselfAndOpenPeers()
    {
        OwnedGrid g = gridOf(kEmpty);
        g.at(1, 1) = CellData{1, 1, "5", stFixed, false};
        for (int c = 2; c <= 5; ++c)
            g.at(1, c) = CellData{1, c, QString::number(c - 1), stFixed, false};
        QCOMPARE(boardlogic::candidatesOf(g.grid(), 1, 1), QString("56789"));
        // An open peer's list never counts, whatever it holds.
        g.at(2, 1).value = "6";
        QCOMPARE(boardlogic::candidatesOf(g.grid(), 1, 1), QString("56789"));
        // Big numbers count like givens.
        g.at(2, 1).state = stBigNumber;
        QCOMPARE(boardlogic::candidatesOf(g.grid(), 1, 1), QString("5789"));
    }

    void filterCandidates()
    {
        OwnedGrid g = gridOf(kEmpty);
        g.at(1, 1).value = "2469";
        g.at(1, 5) = CellData{1, 5, "4", stBigNumber, false};
        QCOMPARE(boardlogic::filterCandidates(g.grid(), 1, 1), QString("269"));
        g.at(9, 9).value = "92";
        QCOMPARE(boardlogic::filterCandidates(g.grid(), 9, 9), QString("29"));
        // One occurrence struck per peer digit: a doubled candidate survives.
        g.at(5, 5).value = "33";
        g.at(5, 1) = CellData{5, 1, "3", stFixed, false};
        QCOMPARE(boardlogic::filterCandidates(g.grid(), 5, 5), QString("3"));
        g.at(5, 9) = CellData{5, 9, "3", stFixed, false};
        QCOMPARE(boardlogic::filterCandidates(g.grid(), 5, 5), QString(""));
    }

    void conflictsFlagOnePairOnly()
    {
        // Three fixed 7s in row 4: the first and the last are flagged.
        OwnedGrid g = gridOf(kEmpty);
        for (int c : {2, 5, 8})
            g.at(4, c) = CellData{4, c, "7", stFixed, false};
        g.at(9, 9).errflag = true; // stale flags are cleared
        checkConflicts(g.grid());
        QCOMPARE(flagged(g), (QList<int>{28, 34}));
        QVERIFY(hasConflict(g.grid()));

        // The scan stops at the first cell with a conflict: a second pair
        // later on the board stays unflagged.
        g.at(9, 1) = CellData{9, 1, "2", stBigNumber, false};
        g.at(9, 3) = CellData{9, 3, "2", stBigNumber, false};
        checkConflicts(g.grid());
        QCOMPARE(flagged(g), (QList<int>{28, 34}));
    }

    void conflictsIgnoreOpenCellsButNotEmptyDigits()
    {
        OwnedGrid g = gridOf(kEmpty);
        g.at(1, 1) = CellData{1, 1, "5", stFixed, false};
        g.at(1, 2).value = "5"; // open cell with the same single candidate
        checkConflicts(g.grid());
        QVERIFY(flagged(g).isEmpty());
        QVERIFY(!hasConflict(g.grid()));
        // Two non-open cells with empty values clash.
        g.at(5, 5) = CellData{5, 5, "", stBigNumber, false};
        g.at(5, 6) = CellData{5, 6, "", stBigNumber, false};
        checkConflicts(g.grid());
        QCOMPARE(flagged(g), (QList<int>{40, 41}));
        // Box peers in other rows and columns count too.
        OwnedGrid h = gridOf(kEmpty);
        h.at(1, 1) = CellData{1, 1, "8", stFixed, false};
        h.at(3, 3) = CellData{3, 3, "8", stBigNumber, false};
        checkConflicts(h.grid());
        QCOMPARE(flagged(h), (QList<int>{0, 20}));
    }

    void solvedTest()
    {
        const char *full = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
        OwnedGrid g = gridOf(full);
        QVERIFY(isSolved(g.grid()));
        // Values need not be digits: any board without equal peers is solved.
        g.at(1, 1).value = "x";
        QVERIFY(isSolved(g.grid()));
        // A clash: false, and the pair stays flagged.
        // (1,1) = 2 clashes with (1,2) and (4,1): the last peer is kept.
        g.at(1, 1).value = "2";
        QVERIFY(!isSolved(g.grid()));
        QCOMPARE(flagged(g), (QList<int>{0, 27}));
        // One open cell: false without touching any flag.
        g.at(9, 9).state = stCandidates;
        g.at(1, 1).value = "1";
        QVERIFY(!isSolved(g.grid()));
        QVERIFY(g.at(1, 1).errflag);
    }

    void givens()
    {
        OwnedGrid g = gridOf(kEmpty);
        g.at(1, 1) = CellData{1, 1, "4", stFixed, false};
        g.at(1, 2) = CellData{1, 2, "5", stBigNumber, false};
        g.at(9, 9) = CellData{9, 9, "9", stFixed, false};
        const QString s = givensString(g.grid());
        QCOMPARE(s.size(), 81);
        QCOMPARE(s.left(3), QString("400"));
        QCOMPARE(s.right(1), QString("9"));
    }

    void removeFromPeers()
    {
        OwnedGrid g = gridOf(kEmpty);
        for (int i = 0; i < 81; ++i)
            g.grid()[i].value = "123456789";
        g.at(5, 5) = CellData{5, 5, "3", stBigNumber, false};
        g.at(5, 1) = CellData{5, 1, "3", stBigNumber, false}; // clashing big number
        g.at(1, 5) = CellData{1, 5, "3", stFixed, false};     // fixed peers are never touched
        boardlogic::removeFromPeers(g.grid(), 5, 5);
        QCOMPARE(g.at(5, 9).value, QString("12456789"));
        QCOMPARE(g.at(4, 4).value, QString("12456789"));
        QCOMPARE(g.at(9, 5).value, QString("12456789"));
        QCOMPARE(g.at(5, 1).value, QString(""));
        QCOMPARE(g.at(1, 5).value, QString("3"));
        QCOMPARE(g.at(1, 1).value, QString("123456789")); // not a peer
        QCOMPARE(g.at(5, 5).value, QString("3"));

        // Only a single-character value is struck.
        for (const char *v : {"", "12"}) {
            OwnedGrid h = gridOf(kEmpty);
            for (int i = 0; i < 81; ++i)
                h.grid()[i].value = "123456789";
            h.at(2, 2).value = v;
            boardlogic::removeFromPeers(h.grid(), 2, 2);
            QCOMPARE(h.at(2, 3).value, QString("123456789"));
        }
    }

    void restoreToPeers()
    {
        OwnedGrid g = gridOf(kEmpty);
        g.at(1, 1).value = "1469";
        g.at(1, 2).value = "12";   // already holds 2
        g.at(1, 3).value = "13";
        g.at(2, 3) = CellData{2, 3, "7", stFixed, false};
        g.at(9, 3) = CellData{9, 3, "2", stFixed, false}; // (1,3) still sees a 2
        g.at(1, 9) = CellData{1, 9, "5", stBigNumber, false};
        boardlogic::restoreToPeers(g.grid(), 1, 5, "2");
        QCOMPARE(g.at(1, 1).value, QString("14692")); // appended, not sorted in
        QCOMPARE(g.at(1, 2).value, QString("12"));
        QCOMPARE(g.at(1, 3).value, QString("13"));
        QCOMPARE(g.at(1, 9).value, QString("5")); // big numbers are left alone
        QCOMPARE(g.at(2, 4).value, QString("2")); // a box peer with an empty list
        boardlogic::restoreToPeers(g.grid(), 1, 5, "");
        QCOMPARE(g.at(1, 1).value, QString("14692"));
    }

    void digitConversion()
    {
        QCOMPARE(digitValue(QChar('0')), 0);
        QCOMPARE(digitValue(QChar('9')), 9);
        // A NUL is written escaped, so the message is not cut there.
        for (QChar bad : {QChar('a'), QChar(' '), QChar('*'), QChar(0x0663), QChar(0)}) {
            bool thrown = false;
            try {
                digitValue(bad);
            } catch (const ConvertError &e) {
                thrown = true;
                QVERIFY(QString::fromUtf8(e.what()).contains("is not a valid integer value"));
            }
            QVERIFY(thrown);
        }
    }
};

QTEST_GUILESS_MAIN(TestBoardLogic)
#include "test_boardlogic.moc"
