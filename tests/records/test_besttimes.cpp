// Best times: which finishes count, the ten kept per level, the file.
#include "records/BestTimes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>
#include <utility>

using namespace besttimes;

namespace {
Entry at(int ms, int hints = 0) { return {ms, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)), hints}; }
} // namespace

Q_DECLARE_METATYPE(besttimes::Entry)

class TestBestTimes : public QObject {
    Q_OBJECT
private slots:
    void whichFinishesCount_data()
    {
        QTest::addColumn<bool>("fromBank");
        QTest::addColumn<bool>("solutionShown");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("expected");
        QTest::newRow("dealt, finished") << true << false << false << 0 << true;
        QTest::newRow("Diabolical") << true << false << false << 4 << true;
        QTest::newRow("imported, created or continued") << false << false << false << 0 << false;
        QTest::newRow("solution shown") << true << true << false << 2 << false;
        QTest::newRow("counted once already") << true << false << true << 1 << false;
        QTest::newRow("level Unknown") << true << false << false << 5 << false;
    }
    void whichFinishesCount()
    {
        QFETCH(bool, fromBank);
        QFETCH(bool, solutionShown);
        QFETCH(bool, finished);
        QFETCH(int, level);
        const Round r{.fromBank = fromBank, .solutionShown = solutionShown, .hints = 3, .finished = finished};
        QFETCH(bool, expected);
        QCOMPARE(counts(r, level), expected);
    }

    // A finish with help ranks after every finish without, whatever the
    // times; among each kind the faster first.
    void helpRanksAfterEveryFinishAlone_data()
    {
        QTest::addColumn<QList<Entry>>("added");
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<QList<int>>("order"); // the hints of the table, in order
        QTest::newRow("fast with hints, slow alone") << QList<Entry>{at(1000, 2), at(9000)} << QList<int>{0, 0} << QList<int>{0, 2};
        QTest::newRow("one hint is help") << QList<Entry>{at(5000), at(100, 1)} << QList<int>{0, 1} << QList<int>{0, 1};
        QTest::newRow("helped by time") << QList<Entry>{at(7000, 9), at(3000, 55), at(8000)} << QList<int>{0, 0, 0}
                                        << QList<int>{0, 55, 9};
    }
    void helpRanksAfterEveryFinishAlone()
    {
        QFETCH(QList<Entry>, added);
        QFETCH(QList<int>, places);
        QFETCH(QList<int>, order);
        Tables t;
        QList<int> got;
        for (const Entry &e : added)
            got << t.add(4, e);
        QCOMPARE(got, places);
        QList<int> hints;
        for (const Entry &e : t.level[4])
            hints << e.hints;
        QCOMPARE(hints, order);
        // The file keeps the order.
        QCOMPARE(fromLines(toLines(t)), t);
    }

    void tenFastestKeptInOrder()
    {
        Tables t;
        for (int ms : {5000, 3000, 9000, 3000, 1000, 7000, 8000, 2000, 6000, 4000})
            QVERIFY(t.add(1, at(ms)) >= 0);
        QCOMPARE(t.level[1].size(), kKept);
        QCOMPARE(t.add(1, at(9500)), -1);   // slower than all ten
        QCOMPARE(t.add(1, at(500)), 0);     // a new best pushes the slowest out
        QCOMPARE(t.level[1].size(), kKept);
        QCOMPARE(t.level[1].last().ms, 8000);
        QCOMPARE(t.add(1, at(3000)), 5);    // after the two as fast
        QVERIFY(t.level[0].isEmpty());
        QCOMPARE(t.add(5, at(1)), -1);
        QCOMPARE(t.add(0, at(-1)), -1);
    }

    void fileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(kFileName);
        Tables t;
        t.add(0, at(61000, 1));
        t.add(4, at(3600000));
        QString error;
        QVERIFY(save(path, t, &error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("0 61000 2026-01-02T03:04:05 1\r\n4 3600000 2026-01-02T03:04:05 0\r\n"));
        QCOMPARE(load(path), t);
        QCOMPARE(load(dir.filePath("missing")), Tables{});
    }

    void damagedLinesSkipped()
    {
        const Tables t = fromLines({"0 1000 2026-01-02T03:04:05 0", "0 x 2026-01-02T03:04:05 0", "9 5 2026-01-02T03:04:05 0",
                                    "1 5 not-a-date 0", "2 5 2026-01-02T03:04:05 99", "", "3 5 2026-01-02T03:04:05",
                                    "4 99999999999 2026-01-02T03:04:05 0"});
        QCOMPARE(t.level[0].size(), 1);
        for (int l = 1; l < kLevels; ++l)
            QVERIFY(t.level[static_cast<size_t>(l)].isEmpty());
    }

    // A damaged file keeps every whole entry it holds, and the file itself
    // is kept beside the new one.
    void damagedFileKeepsItsEntries_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("good") << QByteArray() << false;
        QTest::newRow("NUL padding") << QByteArray(101595 - 64, '\0') << true;
        QTest::newRow("over a megabyte of lines") << QByteArray("9\r\n").repeated(400000) << true;
        QTest::newRow("binary tail") << QByteArray("\x01\xff\r\x00\n\x7f 0 1 x\n\xfe", 14) << true;
        QTest::newRow("damaged line") << QByteArray("1 5 2026-13-02T03:04:05 0\r\n2 700 2026-01-02T03:04:05 0\r\n") << true;
    }
    void damagedFileKeepsItsEntries()
    {
        QFETCH(QByteArray, tail);
        QFETCH(bool, damaged);
        Tables good;
        good.add(0, at(61000, 1));
        good.add(4, at(3600000));
        const QByteArray bytes = toLines(good).join("\r\n").toLatin1() + "\r\n" + tail;
        QTemporaryDir dir;
        const QString path = dir.filePath(kFileName);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const Contents read = besttimes::read(path);
        QCOMPARE(read.damaged, damaged);
        Tables t = read.tables;
        if (tail.contains("2 700 "))
            good.add(2, at(700));
        QCOMPARE(t, good);
        t.add(1, at(5000));
        QString error;
        QVERIFY2(save(path, t, &error), qPrintable(error));
        QCOMPARE(load(path), t);
        QFile bad(path + ".bad");
        QCOMPARE(bad.exists(), damaged);
        if (damaged) {
            QVERIFY(bad.open(QIODevice::ReadOnly));
            QCOMPARE(bad.readAll(), bytes);
        }
    }

    // Random damage to a good file never crashes, and what is read is a
    // valid table the game can write again.
    void fuzzedFiles()
    {
        Tables good;
        for (int i = 0; i < 30; ++i)
            good.add(i % kLevels, at(1000 * (i + 1), i % 4));
        const QByteArray bytes = toLines(good).join("\r\n").toLatin1();
        QTemporaryDir dir;
        const QString path = dir.filePath(kFileName);
        std::mt19937 rng(22);
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = bytes;
            for (int k = 0, n = 1 + static_cast<int>(rng() % 8); k < n; ++k)
                damaged[static_cast<qsizetype>(rng() % static_cast<unsigned>(damaged.size()))] = static_cast<char>(rng() % 256);
            if (round % 50 == 0)
                damaged = QByteArray(70000, '0'); // far too large
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(damaged);
            f.close();
            const Tables t = load(path);
            for (const QList<Entry> &list : t.level) {
                QVERIFY(list.size() <= kKept);
                for (qsizetype i = 1; i < list.size(); ++i)
                    QVERIFY(std::pair(list[i - 1].hints > 0, list[i - 1].ms) <= std::pair(list[i].hints > 0, list[i].ms));
            }
            QCOMPARE(fromLines(toLines(t)), t);
        }
    }
};

QTEST_GUILESS_MAIN(TestBestTimes)
#include "test_besttimes.moc"
