// Whole puzzles through the ladder: levels, the reported technique, the
// output line, and that logical solving always lands on the one solution.
#include "solver/Engine.h"
#include "solver/grader/Generator.h"
#include "solver/grader/Grader.h"

#include <QtTest>

using grader::Grade;

class TestGrader : public QObject {
    Q_OBJECT

private slots:
    void improperPuzzlesAreNotGraded_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::newRow("empty") << QString();
        QTest::newRow("no givens") << QString(81, QLatin1Char('*'));
        QTest::newRow("clashing givens")
            << QStringLiteral("11*******************************************************************************");
        QTest::newRow("two solutions") // a deadly rectangle left open
            << QStringLiteral("**3456789456789123789123456**4365897365897214897214365531642978642978531978531642");
    }
    void improperPuzzlesAreNotGraded()
    {
        QFETCH(QString, puzzle);
        const Grade g = grader::grade(puzzle);
        QVERIFY(!g.proper);
        QCOMPARE(g.line(), QStringLiteral("x 0 -"));
    }

    // Puzzles each needing the named technique as its hardest step.
    void ladder_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::addColumn<QString>("technique");
        QTest::addColumn<int>("level");
        struct Row {
            const char *puzzle, *technique;
            int level;
        };
        static const Row rows[] = {
            {"003020600900305001001806400008102900700000008006708200002609500800203009005010300", "hidden-single", 0},
            {"000070090100005000500004200007020008000900006030080054090040000000000071800500060", "hidden-single", 1},
            {"000604000007000530000050006200000005004280007000009040060023090000700380900000000", "naked-single", 1},
            {"000003000000090502091082000040007003080004200207008905003400050000000700760300000", "pointing", 2},
            {"008000009000210000020000410000000780300000051040050690900062000013500000500040000", "claiming", 2},
            {"000280030000000001004000079800020000401009000090005000000060000307400010050001704", "naked-pair", 2},
            {"000700000280000040437080005050009100000400000790300060000000000300906400100203070", "hidden-pair", 2},
            {"000000800080004009006700003540210000000530400007000000610000000009002010008100972", "naked-triple", 2},
            {"000040710000906000970800000002360090000000002006010840800020030000000078005000100", "hidden-triple", 2},
            {"004500010000700500005060002000139008030000000000200706040000207060000090702000003", "x-wing", 3},
            {"050000810000200003070048200000036070100005000000002096609004000020700008000000041", "skyscraper", 3},
            {"008050400006000000510030060000003010000000007105604008200560090000097020800000000", "two-string-kite", 3},
            {"250000000000095030080020000000007000018204005970006010400070308020000070001000050", "xy-wing", 3},
            {"001708000058040700000000490002300004300009600080010020060000042230600000009000005", "w-wing", 3},
            {"000004000703000000805003910000100240000065000000307000280000500004000030100409700", "xyz-wing", 3},
            {"108003002600205090000000040030004065001080000002006401090070000000000003005008000", "naked-quad", 3},
            {"000010040607000000240053800500000000080030009070900060400006500000002000000400710", "swordfish", 3},
            {"000050840342000000009070000006894000008600700000001000090000407500000009704006050", "simple-colouring", 3},
            {"400000072000040005053009060060000050000104006900000740028010000015003000000006003", "unique-rectangle", 3},
            {"600730080050000000800000010000000020009300700710205960060900000000140090405060030", "bug+1", 3},
            {"000950000007000040009000706080400000001006080600005470056003000800000031000070060", "jellyfish", 3},
            {"508000000002000410004350080000004730010025000020060000000510070000000049089006000", "x-cycle", 4},
            {"000906700080000002006100000029003000670000800005000000000008005002509030040010200", "xy-chain", 4},
            {"009810030030004200180700000300900000000000000506000804000080102070000080600400900", "3d-medusa", 4},
            {"087009000000200530000060700160000005000026980000500000094000600270000004000005300", "aic", 4},
            {"000408000040000009003020070094700013706000000000500790069000000800000921050007036", "grouped-aic", 4},
        };
        for (const Row &r : rows)
            QTest::newRow(r.technique) << QString::fromLatin1(r.puzzle) << QString::fromLatin1(r.technique) << r.level;
    }
    void ladder()
    {
        QFETCH(QString, puzzle);
        QFETCH(QString, technique);
        QFETCH(int, level);
        const engine::Grid givens = engine::parse(puzzle);
        engine::Grid solved{};
        const Grade g = grader::gradeProper(givens, 4, &solved);
        QCOMPARE(grader::techniqueName(g.hardest), technique);
        QCOMPARE(g.level, level);
        QVERIFY(g.uses(g.hardest));
        QCOMPARE(engine::toString(solved), engine::leastSolution(puzzle));
        // One level lower the ladder does not finish the puzzle.
        if (level >= 2)
            QCOMPARE(grader::gradeProper(givens, level - 1).level, grader::kBeyond);
        QCOMPARE(grader::grade(puzzle).line(),
                 QStringLiteral("%1 %2 %3").arg(level).arg(g.score).arg(technique));
    }

    void beyondTheLadder_data()
    {
        QTest::addColumn<QString>("puzzle");
        QTest::newRow("a famous hard one")
            << QStringLiteral("800000000003600000070090200050007000000045700000100030001000068008500010090000400");
        QTest::newRow("easter monster")
            << QStringLiteral("1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1");
    }
    void beyondTheLadder()
    {
        QFETCH(QString, puzzle);
        const Grade g = grader::grade(puzzle);
        QVERIFY(g.proper);
        QCOMPARE(g.level, grader::kBeyond);
        QVERIFY(g.line().startsWith(QStringLiteral("5 ")));
        QVERIFY(g.line().endsWith(QStringLiteral(" beyond")));
    }

    void veryEasyNeedsManyGivens()
    {
        // The same singles-only puzzle with its solution filled back in
        // cell by cell climbs from Gentle to Very Easy at the threshold.
        const QString puzzle =
            QStringLiteral("000070090100005000500004200007020008000900006030080054090040000000000071800500060");
        const QString solution = engine::leastSolution(puzzle);
        QString p = puzzle;
        int givens = 0;
        for (QChar c : p)
            givens += c != QLatin1Char('0');
        for (int i = 0; i < 81 && givens < grader::kVeryEasyGivens; ++i)
            if (p[i] == QLatin1Char('0')) {
                QCOMPARE(grader::grade(p).level, 1);
                p[i] = solution[i];
                ++givens;
            }
        QCOMPARE(grader::grade(p).level, 0);
    }

    // Any unsound elimination would end in a wrong grid or a dead cell.
    void logicLandsOnTheSolution()
    {
#ifdef NODALA_SANITIZED
        const int count = 40;
#else
        const int count = 400;
#endif
        int levels[6] = {};
        for (int k = 0; k < count; ++k) {
            const engine::Grid solution = grader::randomGrid(500 + static_cast<std::uint64_t>(k));
            const engine::Grid puzzle = grader::removeClues(solution, 900 + static_cast<std::uint64_t>(k), 0);
            engine::Grid solved{};
            const Grade g = grader::gradeProper(puzzle, 4, &solved);
            ++levels[g.level];
            if (g.level != grader::kBeyond)
                QCOMPARE(engine::toString(solved), engine::toString(solution));
            else
                for (std::size_t c = 0; c < 81; ++c)
                    QVERIFY(solved[c] == 0 || solved[c] == solution[c]);
        }
        // Random minimal puzzles spread over every level the ladder has.
        for (int level = 1; level <= 4; ++level)
            QVERIFY2(levels[level] > 0, qPrintable(QString::number(level)));
    }
};

QTEST_GUILESS_MAIN(TestGrader)
#include "test_grader.moc"
