// A collection as the picker lists it: what each row says, grading only
// what is shown, the filter by level and the next puzzle.
#include "exchange/PuzzleCollection.h"
#include "support/Puzzles.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QByteArray kHard = fixture::kGivens;
// The solution with its first row open: singles and many givens.
const QByteArray kEasy = QByteArray(fixture::kSolution).replace(0, 9, QByteArray(9, '0'));
// The hard puzzle without its last given: several solutions.
const QByteArray kSeveral = QByteArray(fixture::kGivens).replace(78, 1, "0");
// Two 8s in the first row (one more given).
const QByteArray kClash = QByteArray(fixture::kGivens).replace(1, 1, "8");

QList<puzzlefile::Puzzle> puzzles(const QList<QByteArray> &givens)
{
    QList<puzzlefile::Puzzle> out;
    for (const QByteArray &g : givens)
        out.append({g, QString()});
    return out;
}

// Every kind in turn, repeated: easy, hard, several, clash, easy, ...
QList<puzzlefile::Puzzle> mixed(int size)
{
    const QList<QByteArray> cycle{kEasy, kHard, kSeveral, kClash};
    QList<QByteArray> givens;
    for (int i = 0; i < size; ++i)
        givens.append(cycle[i % cycle.size()]);
    return puzzles(givens);
}

QString cell(const PuzzleCollection &c, int row, int column) { return c.index(row, column).data().toString(); }

QList<int> shown(const PuzzleCollection &c)
{
    QList<int> out;
    for (int row = 0; row < c.rowCount(); ++row)
        out.append(c.indexAt(row));
    return out;
}

} // namespace

class TestPuzzleCollection : public QObject {
    Q_OBJECT

private slots:
    void eachRowSaysNumberGivensLevelTitle_data()
    {
        QTest::addColumn<QByteArray>("givens");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("very easy") << kEasy << QStringList{"1", "72", "Very Easy", "a title"};
        QTest::newRow("beyond the ladder") << kHard << QStringList{"1", "21", "Beyond Diabolical", "a title"};
        QTest::newRow("several solutions") << kSeveral
                                           << QStringList{"1", "20", "This puzzle has multiple solution", "a title"};
        QTest::newRow("clashing givens") << kClash << QStringList{"1", "22", "Puzzle is not solvable", "a title"};
        QTest::newRow("no solution") << QByteArray("123456780000000009" + QByteArray(63, '0'))
                                     << QStringList{"1", "9", "Puzzle is not solvable", "a title"};
        QTest::newRow("no blank") << QByteArray(fixture::kSolution) << QStringList{"1", "81", "Very Easy", "a title"};
    }
    void eachRowSaysNumberGivensLevelTitle()
    {
        QFETCH(QByteArray, givens);
        QFETCH(QStringList, row);
        const PuzzleCollection c({{givens, QStringLiteral("a title")}});
        QStringList got;
        for (int column = 0; column < c.columnCount(); ++column)
            got << cell(c, 0, column);
        QCOMPARE(got, row);
    }

    void gradesOnlyTheRowsShown()
    {
        const PuzzleCollection c(mixed(100000));
        QCOMPARE(c.rowCount(), 100000);
        QCOMPARE(cell(c, 99998, PuzzleCollection::Givens), QString("20"));
        QCOMPARE(c.gradedCount(), 0);
        QCOMPARE(cell(c, 99998, PuzzleCollection::Level), QString("This puzzle has multiple solution"));
        QCOMPARE(c.gradedCount(), 1);
    }

    // The File menu asks at every opening; a rare level in a large file
    // must not grade it there.
    void askingForANextGradesNothing()
    {
        PuzzleCollection c(mixed(100000));
        c.setFilter(PuzzleCollection::NotSolvable);
        QVERIFY(c.mayHaveNext(0));
        QCOMPARE(c.gradedCount(), 0);
        QVERIFY(!c.mayHaveNext(99999));
    }

    void theFilterShowsOneLevelAsItIsGraded()
    {
        PuzzleCollection c(mixed(10));
        QCOMPARE(cell(c, 5, PuzzleCollection::Level), QString("Beyond Diabolical")); // shown before the filter
        c.setFilter(PuzzleCollection::Beyond);
        QCOMPARE(shown(c), QList<int>{5});
        QSignalSpy inserted(&c, &QAbstractItemModel::rowsInserted);
        QVERIFY(c.gradeMore(3));
        QCOMPARE(shown(c), (QList<int>{1, 5}));
        while (c.gradeMore(3)) {
        }
        QCOMPARE(shown(c), (QList<int>{1, 5, 9}));
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(c.gradedCount(), 10);
        QCOMPARE(c.rowOf(9), 2);
        QCOMPARE(c.rowOf(2), -1);
        QCOMPARE(cell(c, 2, PuzzleCollection::Number), QString("10"));

        c.setFilter(PuzzleCollection::kAll);
        QCOMPARE(c.rowCount(), 10);
    }

    void nextFollowsTheFilter_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("next");
        QTest::newRow("all") << int(PuzzleCollection::kAll) << 4 << 5;
        QTest::newRow("all, at the end") << int(PuzzleCollection::kAll) << 9 << -1;
        QTest::newRow("from before the first") << int(PuzzleCollection::NotSolvable) << -1 << 3;
        QTest::newRow("a level, past others") << int(PuzzleCollection::NotSolvable) << 3 << 7;
        QTest::newRow("a level, none after") << int(PuzzleCollection::NotUnique) << 6 << -1;
    }
    void nextFollowsTheFilter()
    {
        QFETCH(int, filter);
        QFETCH(int, after);
        QFETCH(int, next);
        PuzzleCollection c(mixed(10));
        c.setFilter(filter);
        QCOMPARE(c.next(after), next);
        if (next >= 0)
            QCOMPARE(c.indexAt(c.rowOf(next)), next); // listed once found
    }
};

QTEST_GUILESS_MAIN(TestPuzzleCollection)
#include "test_puzzle_collection.moc"
