// The program-wide generator, the puzzle model and its transformer.
#include "LcgReference.h"
#include "base/Digits.h"
#include "puzzle/QJ.h"
#include "puzzle/Random.h"
#include "solver/Engine.h"

#include <QtTest>

namespace {

std::uint32_t pinned = 0;
std::uint32_t pinnedCounter() { return pinned; }

const QString kEntry =
    QStringLiteral("C25F8DAGIAG9CBED86HDFIA7E3BG3H4EI2FA6EAHCBID7BIDAG685C4H2GFACIEEFCB98G1DIAG54CFBH");

QString grid(const TQJ &q)
{
    QString s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            s += QChar(u'0' + q.node(r, c).digit);
    return s;
}

QString givens(const TQJ &q)
{
    QString s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            s += q.node(r, c).given ? QChar(u'0' + q.node(r, c).digit) : QLatin1Char('0');
    return s;
}

// A model holding 81 distinct markers, digit = 10 * row + col with givens
// on the diagonal, so every move of a node's content shows.
void markers(TQJ &q)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            q.node(r, c).digit = 10 * r + c;
            q.node(r, c).given = r == c;
        }
}

// A counter value whose first Shuffle pass has the wanted op (and, for a
// digit swap, the wanted raw x and y draws).
std::uint32_t counterFor(int op, int x = 0, int y = 0)
{
    for (std::uint32_t c = 1; c < 10'000'000; ++c) {
        LcgReference g{c};
        if (g.next(7) + 1 != op)
            continue;
        g.next(3);
        g.next(2);
        if (op == 7 && x && (g.next(9) + 1 != x || g.next(9) + 1 != y))
            continue;
        return c;
    }
    return 0;
}

} // namespace

class TestQJ : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setRandomCounter(nullptr); }

    void generatorSteps()
    {
        RandSeed = 1;
        QCOMPARE(Random(100), 3); // (134775814 * 100) >> 32
        QCOMPARE(RandSeed, 134775814u);
        RandSeed = 0xFFFFFFFFu;
        LcgReference ref{0xFFFFFFFFu};
        for (int n : {1, 2, 7, 9, 500, 0x7FFFFFFF}) {
            const int r = Random(n);
            QCOMPARE(r, ref.next(n));
            QVERIFY(r >= 0 && r < n);
        }
        QCOMPARE(Random(0), 0); // still steps the seed
        QCOMPARE(RandSeed, static_cast<std::uint32_t>(ref.seed * 134775813ull + 1));
        pinned = 4242;
        setRandomCounter(pinnedCounter);
        Randomize();
        QCOMPARE(RandSeed, 4242u);
    }

    void columnAndRowSwaps_data()
    {
        QTest::addColumn<int>("op");
        for (int op = 1; op <= 6; ++op)
            QTest::addRow("op %d", op) << op;
    }
    void columnAndRowSwaps()
    {
        QFETCH(int, op);
        pinned = counterFor(op);
        QVERIFY(pinned);
        LcgReference g{pinned};
        g.next(7);
        const int a = g.next(3) + 1;
        int b = g.next(2) + 1;
        if (a == 1)
            ++b;
        else if (a == 2 && b == 2)
            b = 3;
        QVERIFY(a != b && b >= 1 && b <= 3);
        setRandomCounter(pinnedCounter);
        TQJ q, before;
        markers(q);
        markers(before);
        q.Shuffle(1);
        const int k = 3 * ((op - 1) % 3);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                int sr = r, sc = c; // where the content came from
                int &moved = op <= 3 ? sc : sr;
                const int line = op <= 3 ? c : r;
                if (line == k + a)
                    moved = k + b;
                else if (line == k + b)
                    moved = k + a;
                QCOMPARE(q.node(r, c).digit, before.node(sr, sc).digit);
                QCOMPARE(q.node(r, c).given, before.node(sr, sc).given);
                QCOMPARE(q.node(r, c).row, r); // nodes never move
                QCOMPARE(q.node(r, c).col, c);
            }
    }

    void digitSwaps_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("swapA");
        QTest::addColumn<int>("swapB");
        QTest::newRow("different draws") << 3 << 7 << 3 << 7;
        QTest::newRow("x = y = 9 swaps 9 and 1") << 9 << 9 << 9 << 1;
        QTest::newRow("x = y = 4 swaps 4 and 5") << 4 << 4 << 4 << 5;
    }
    void digitSwaps()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, swapA);
        QFETCH(int, swapB);
        pinned = counterFor(7, x, y);
        QVERIFY(pinned);
        setRandomCounter(pinnedCounter);
        TQJ q;
        q.SetGivens(QStringLiteral("123456789").repeated(9));
        q.node(2, 2).given = 0;
        q.Shuffle(1);
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const int d = c == swapA ? swapB : c == swapB ? swapA : c;
                QCOMPARE(q.node(r, c).digit, d);
                QCOMPARE(q.node(r, c).given, std::uint8_t(r == 2 && c == 2 ? 0 : 1)); // flags stay
            }
    }

    void noPassesDrawNothing_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
    }
    void noPassesDrawNothing()
    {
        QFETCH(int, count);
        pinned = 777;
        setRandomCounter(pinnedCounter);
        RandSeed = 1;
        TQJ q, before;
        markers(q);
        markers(before);
        q.Shuffle(count);
        QCOMPARE(RandSeed, 777u); // reseeded, no draw
        QCOMPARE(grid(q), grid(before));
        QCOMPARE(givens(q), givens(before));
    }

    void loadFromBank()
    {
        for (int run = 0; run < 20; ++run) {
            TQJ q;
            q.LoadFromBank(kEntry);
            const QString solution = q.GetSolution();
            QCOMPARE(solution.size(), 81);
            QVERIFY(engine::consistent(engine::parse(solution)));
            int entryGivens = 0, modelGivens = 0;
            for (QChar c : kEntry)
                entryGivens += c.isDigit();
            for (int r = 1; r <= 9; ++r)
                for (int c = 1; c <= 9; ++c)
                    modelGivens += q.node(r, c).given;
            QCOMPARE(modelGivens, entryGivens);
            // The disguised givens still have exactly that one solution.
            QCOMPARE(engine::countSolutions(givens(q), 2), 1);
            QCOMPARE(engine::leastSolution(givens(q)), solution);
        }
    }

    void badEntriesLeaveTheModelAlone_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("short") << kEntry.left(80);
        QTest::newRow("empty") << QString();
        QTest::newRow("letter J") << QString(kEntry).replace(1, 1, QStringLiteral("J"));
        QTest::newRow("zero") << QString(kEntry).replace(0, 1, QStringLiteral("0"));
        QTest::newRow("lower case") << QString(kEntry).replace(1, 1, QStringLiteral("b"));
    }
    void badEntriesLeaveTheModelAlone()
    {
        QFETCH(QString, entry);
        TQJ q, before;
        markers(q);
        markers(before);
        QVERIFY_THROWS_EXCEPTION(ConvertError, q.LoadFromBank(entry));
        QCOMPARE(grid(q), grid(before));
    }

    void solutionAndGivensStrings()
    {
        TQJ q;
        QCOMPARE(q.GetSolution(), QString()); // a new model holds none
        const QString sol = engine::leastSolution(QString(81, QLatin1Char('*')));
        q.SetSolution(QStringLiteral("  \t") + sol + QStringLiteral("\r\n "));
        QCOMPARE(q.GetSolution(), sol);
        q.ClearValues();
        QCOMPARE(q.GetSolution(), QString());

        for (const QString &bad : {sol.left(80), sol + QLatin1Char('1')}) {
            q.SetSolution(sol);
            q.SetSolution(bad);
            QCOMPARE(q.GetSolution(), QString());
            QCOMPARE(grid(q), QString(81, QLatin1Char('0')));
        }

        QString partial = sol;
        partial[40] = QLatin1Char('0');
        q.SetGivens(partial);
        QCOMPARE(q.GetSolution(), QString()); // one cell is no given
        QCOMPARE(q.node(5, 5).given, std::uint8_t(0));
        QCOMPARE(q.node(5, 4).given, std::uint8_t(1));
        q.SetGivens(sol);
        QCOMPARE(q.GetSolution(), sol); // every cell a given

        // A wrong length clears the digits and keeps the flags.
        q.SetGivens(partial.left(80));
        QCOMPARE(q.node(5, 4).given, std::uint8_t(1));
        QCOMPARE(q.node(5, 4).digit, 0);

        // A non-digit stops at its cell with a conversion error.
        QString withStar = sol;
        withStar[10] = QLatin1Char('*');
        QVERIFY_THROWS_EXCEPTION(ConvertError, q.SetSolution(withStar));
        QCOMPARE(q.node(1, 9).digit, sol[8].digitValue());
        QCOMPARE(q.node(2, 2).digit, 0);
    }
};

QTEST_GUILESS_MAIN(TestQJ)
#include "test_qj.moc"
