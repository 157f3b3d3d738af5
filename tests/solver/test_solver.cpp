#include "SolverChecks.h"
#include "solver/Engine.h"
#include "solver/EngineState.h"
#include "solver/Usol.h"

#include <QtTest>

namespace {

// A puzzle with one solution, and that solution.
const QString kUnique = QStringLiteral(
    "53**7****6**195****98****6*8***6***34**8*3**17***2***6*6****28****419**5****8**79");
const QString kUniqueSolution = QStringLiteral(
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179");

QString with(QString s, int index, QChar ch)
{
    s[index] = ch;
    return s;
}

struct Rectangle {
    QString puzzle;     // the solution with the four corners blanked
    QString low, high;  // the two solutions: a at the first corner, or b
};

// Four cells in two rows of one band and two columns of different stacks,
// a at the first and last corner and b > a at the other two: blanked, the
// puzzle has exactly those two solutions.
Rectangle rectangle(const QString &grid)
{
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < (r1 / 3) * 3 + 3; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = (c1 / 3) * 3 + 3; c2 < 9; ++c2) {
                    const int p = r1 * 9 + c1, q = r1 * 9 + c2, s = r2 * 9 + c1, t = r2 * 9 + c2;
                    if (grid[p] == grid[t] && grid[q] == grid[s] && grid[p] < grid[q]) {
                        Rectangle rc{grid, grid, grid};
                        for (int i : {p, q, s, t})
                            rc.puzzle[i] = QLatin1Char('*');
                        rc.high[p] = rc.high[t] = grid[q];
                        rc.high[q] = rc.high[s] = grid[p];
                        return rc;
                    }
                }
    return {};
}

} // namespace

class TestSolver : public QObject {
    Q_OBJECT

private slots:
    void uniquePuzzleGivesVerdictZeroAndTwoEqualStrings()
    {
        Tfrm_sol sol;
        QString first, second;
        QCOMPARE(sol.CheckPuzzle(kUnique, first, second), 0);
        QCOMPARE(first, kUniqueSolution);
        QCOMPARE(second, kUniqueSolution);
    }

    void notSolvable_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        // Two 5s in the top-left box, in different rows and columns.
        QTest::newRow("clash in a box") << with(kUnique, 10, QLatin1Char('5')) << QString() << QString();
        QTest::newRow("clash in a row") << with(kUnique, 2, QLatin1Char('3')) << QString() << QString();
        QTest::newRow("clash in a column") << with(kUnique, 72, QLatin1Char('5')) << QString() << QString();
        QTest::newRow("full valid grid") << kUniqueSolution << kUniqueSolution << QString();
        const QString badGrid = with(kUniqueSolution, 0, QLatin1Char('9'));
        QTest::newRow("full grid with a clash") << badGrid << QString() << QString();
        // Cell 3 sees 1..8 in its row and 9 in its box: no candidate.
        const QString dead = QStringLiteral("12*345678" "9********") + QString(63, QLatin1Char('*'));
        QTest::newRow("dead cell") << dead << QString(dead).replace(QLatin1Char('*'), QLatin1Char('0')) << QString();
        // No dead cell at the start, but no solution: a 6 where the unique
        // solution has another digit and no given clashes with it.
        const QString wrong = with(kUnique, 2, QLatin1Char('2'));
        QString wrongFirst = wrong;
        wrongFirst.replace(QLatin1Char('*'), QLatin1Char('0'));
        QTest::newRow("no solution") << wrong << wrongFirst << QString();
    }
    void notSolvable()
    {
        QFETCH(QString, puzzle);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Tfrm_sol sol;
        QString f = QStringLiteral("stale"), s = QStringLiteral("stale");
        QCOMPARE(sol.CheckPuzzle(puzzle, f, s), 1);
        QCOMPARE(f, first);
        QCOMPARE(s, second);
    }

    void rectangleOfFourCellsHasTwoSolutions()
    {
        const Rectangle rc = rectangle(kUniqueSolution);
        QVERIFY(!rc.puzzle.isEmpty());
        Tfrm_sol sol;
        QString first, second;
        // Both search orders reach the solution with the smaller digit at
        // the first corner; the second string is then the other solution.
        QCOMPARE(sol.CheckPuzzle(rc.puzzle, first, second), 2);
        QCOMPARE(first, rc.low);
        QCOMPARE(second, rc.high);
        QCOMPARE(engine::countSolutions(rc.puzzle, 10), 2);
    }

    void emptyBoardGivesTheLeastSolutionsFromEitherEnd()
    {
        Tfrm_sol sol;
        QString first, second;
        QCOMPARE(sol.CheckPuzzle(QString(81, QLatin1Char('*')), first, second), 2);
        QVERIFY(first.startsWith(QStringLiteral("123456789456789123789123456")));
        QVERIFY(second.endsWith(QStringLiteral("654321987321987654987654321")));
        QVERIFY(solverchecks::isSolutionOf(QString(), first));
        QVERIFY(solverchecks::isSolutionOf(QString(), second));
    }

    void manySolutionsGiveVerdictTwoWithTwoDifferentSolutions()
    {
        // Blank the whole top band and more: far more than two solutions.
        QString puzzle = kUniqueSolution;
        for (int i = 0; i < 40; ++i)
            puzzle[i] = QLatin1Char('*');
        Tfrm_sol sol;
        QString first, second;
        QCOMPARE(sol.CheckPuzzle(puzzle, first, second), 2);
        QVERIFY(first != second);
        QVERIFY(solverchecks::isSolutionOf(puzzle, first));
        QVERIFY(solverchecks::isSolutionOf(puzzle, second));
        QVERIFY(first < second);
    }

    void puzzleStringReading_data()
    {
        QTest::addColumn<QString>("puzzle");
        QString dots = kUnique, mixed = kUnique;
        dots.replace(QLatin1Char('*'), QLatin1Char('.'));
        for (int i = 0; i < 81; ++i)
            if (mixed[i] == QLatin1Char('*'))
                mixed[i] = QStringLiteral("0.x -*")[i % 6];
        QTest::newRow("dots") << dots;
        QTest::newRow("mixed blanks") << mixed;
        QTest::newRow("text after cell 81") << kUnique + QStringLiteral("12345 trailing 999");
        // Cutting off trailing blanks changes nothing.
        QString shortPuzzle = kUnique;
        shortPuzzle.chop(1);
        QTest::newRow("short") << shortPuzzle;
    }
    void puzzleStringReading()
    {
        QFETCH(QString, puzzle);
        Tfrm_sol sol;
        QString first, second;
        QCOMPARE(sol.CheckPuzzle(puzzle, first, second), 0);
        QCOMPARE(first, kUniqueSolution);
        QCOMPARE(second, kUniqueSolution);
    }

    void shortStringsReadAsBlanksAtTheirEnd()
    {
        Tfrm_sol sol;
        QString first, second;
        QCOMPARE(sol.CheckPuzzle(QString(), first, second), 2);
        QString f2, s2;
        QCOMPARE(sol.CheckPuzzle(QStringLiteral("1"), f2, s2), 2);
        QCOMPARE(f2, first); // the least solution of the empty board starts with 1
        QVERIFY(s2 != second);
        QVERIFY(s2.startsWith(QLatin1Char('1')));
        QCOMPARE(sol.CheckPuzzle(QStringLiteral("11"), f2, s2), 1);
    }

    void solveString()
    {
        Tfrm_sol sol;
        QString out;
        QCOMPARE(sol.SolveString(kUnique, out), 0);
        QCOMPARE(out, kUniqueSolution);
        QCOMPARE(sol.SolveString(kUniqueSolution, out), 1);
        QCOMPARE(out, kUniqueSolution);
        const QString wrong = with(kUnique, 2, QLatin1Char('2'));
        QCOMPARE(sol.SolveString(wrong, out), 1);
        QCOMPARE(out, QString(wrong).replace(QLatin1Char('*'), QLatin1Char('0')));
        // Clashing givens have no solution; the grid is never "solved"
        // around the clash.
        const QString clash = with(kUnique, 10, QLatin1Char('5'));
        QCOMPARE(sol.SolveString(clash, out), 1);
        QCOMPARE(out, QString(clash).replace(QLatin1Char('*'), QLatin1Char('0')));
    }

    void isConflictFree()
    {
        Tfrm_sol sol;
        QVERIFY(sol.IsConflictFree(kUnique));
        QVERIFY(sol.IsConflictFree(QString()));
        QVERIFY(sol.IsConflictFree(QString(81, QLatin1Char('.'))));
        QVERIFY(!sol.IsConflictFree(with(kUnique, 10, QLatin1Char('5'))));
        QVERIFY(!sol.IsConflictFree(QStringLiteral("1********1")));
        // Only the first 81 characters count.
        QVERIFY(sol.IsConflictFree(kUnique + QStringLiteral("5555")));
    }

    void countSolutionsStopsAtTheLimit()
    {
        QCOMPARE(engine::countSolutions(kUnique, 10), 1);
        QCOMPARE(engine::countSolutions(QString(), 5), 5);
        QCOMPARE(engine::countSolutions(QString(), 0), 1);
        QCOMPARE(engine::countSolutions(with(kUnique, 10, QLatin1Char('5')), 10), 0);
        QCOMPARE(engine::countSolutions(kUniqueSolution, 10), 1);
        QCOMPARE(engine::countSolutions(with(kUnique, 2, QLatin1Char('2')), 10), 0);
        QCOMPARE(engine::leastSolution(kUnique), kUniqueSolution);
        QCOMPARE(engine::leastSolution(with(kUnique, 2, QLatin1Char('2'))), QString());
    }

    // Row 1 leaves 6..9 to its last four cells and column 7 the same four
    // digits to its top four, so five cells of the top right box share four
    // digits: no solution, though singles and locked candidates see none.
    void unitWithoutAMatchingIsAContradiction()
    {
        const engine::Grid g = engine::parse(
            QStringLiteral("12345........3............3...............13......35........2..61..4.3........4.."));
        engine::State s;
        for (std::size_t i = 0; i < 81; ++i)
            QVERIFY(!g[i] || s.place(static_cast<int>(i), g[i]));
        QVERIFY(s.propagate());
        QVERIFY(!s.matchable());
        QCOMPARE(s.conflict, 81 + 20);
        QCOMPARE(engine::count(g, 2), 0);
    }

    // Deep searches: the verdict comes from the count, which meets the
    // solution in its own order; it must still be the least one.
    void hardPuzzlesAgreeWithTheOrderedSearch()
    {
        QFile f(QStringLiteral(NODALA_TEST_DATA "/hard_puzzles.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        Tfrm_sol sol;
        int unique = 0, unsolvable = 0;
        for (const QByteArray &line : f.readAll().split('\n')) {
            if (line.size() < 81)
                continue;
            const QString puzzle = QString::fromLatin1(line.left(81));
            const QString least = engine::leastSolution(puzzle);
            QString first, second;
            const int v = sol.CheckPuzzle(puzzle, first, second);
            if (least.isEmpty()) {
                ++unsolvable;
                QCOMPARE(v, 1);
                QCOMPARE(first, QString(puzzle).replace(QLatin1Char('.'), QLatin1Char('0')));
                QVERIFY(second.isEmpty());
            } else {
                ++unique;
                QCOMPARE(v, 0);
                QCOMPARE(first, least);
                QCOMPARE(second, least);
            }
        }
        QCOMPARE(unique + unsolvable, 70);
        QVERIFY(unsolvable > 0);
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "test_solver.moc"
