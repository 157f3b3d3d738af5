// The built-in bank: its lists, uniform dealing, and the full re-check of
// every entry that CI runs.
#include "LcgReference.h"
#include "puzzle/QJ.h"
#include "puzzle/Random.h"
#include "puzzle/Ufrmtk.h"
#include "solver/grader/BankCheck.h"

#include <QtTest>

namespace {

std::uint32_t pinned = 0;
std::uint32_t pinnedCounter() { return pinned; }

// A counter value for which the deal draws entry r of n.
std::uint32_t counterDealing(int r, int n)
{
    for (std::uint32_t c = 0; c < 100'000'000; ++c) {
        LcgReference g{c};
        if (g.next(n) == r)
            return c;
    }
    return 0;
}

QString nodes(const TQJ &q)
{
    QString s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            s += QStringLiteral("%1%2").arg(q.node(r, c).digit).arg(q.node(r, c).given);
    return s;
}

} // namespace

class TestBank : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setRandomCounter(nullptr); }

    void listsComeFromTheResource()
    {
        const Tfrmtk bank;
        for (int level = 0; level < 5; ++level) {
            QCOMPARE(bank.list(level).size(), 500);
            QCOMPARE(bank.list(level).first().size(), 81);
        }
        QCOMPARE(&bank.list(0), &bank.tk0);
        QCOMPARE(&bank.list(4), &bank.tk4);
        QVERIFY(bank.list(5).isEmpty());
        QVERIFY(bank.list(-1).isEmpty());
    }

    // Every entry 0..N-1 can come up, the last one included, and each is
    // drawn by exactly one value of Random(N).
    void dealIsUniform_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("entry");
        QTest::newRow("first of Very Easy") << 0 << 0;
        QTest::newRow("last of Gentle") << 1 << 499;
        QTest::newRow("one before the last of Diabolical") << 4 << 498;
        QTest::newRow("last of Diabolical") << 4 << 499;
    }
    void dealIsUniform()
    {
        QFETCH(int, level);
        QFETCH(int, entry);
        const Tfrmtk bank;
        pinned = counterDealing(entry, 500);
        setRandomCounter(pinnedCounter);
        TQJ dealt, expected;
        QVERIFY(bank.DealFromBank(level, dealt));
        expected.LoadFromBank(bank.list(level).at(entry)); // same reseed, same swaps
        QCOMPARE(nodes(dealt), nodes(expected));
    }

    void levelWithoutEntriesDealsNothing()
    {
        const Tfrmtk bank;
        TQJ q;
        q.SetSolution(QStringLiteral("1").repeated(81));
        QVERIFY(!bank.DealFromBank(5, q));
        QCOMPARE(q.GetSolution(), QStringLiteral("1").repeated(81));
    }

    void dealsSpreadOverTheList()
    {
        // With the clock as counter the deals cover the list evenly enough.
        const Tfrmtk bank;
        QSet<QString> seen;
        for (int i = 0; i < 400; ++i) {
            TQJ q;
            bank.DealFromBank(3, q);
            seen.insert(q.GetSolution());
        }
        QVERIFY(seen.size() > 300);
    }
};

QTEST_GUILESS_MAIN(TestBank)
#include "test_bank.moc"
