// The bank generator's invariants and the checks every bank entry passes.
#include "base/AtomicTextFile.h"
#include "solver/Engine.h"
#include "solver/grader/BankCheck.h"
#include "solver/grader/Generator.h"
#include "solver/grader/Grader.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

int givens(const engine::Grid &g)
{
    int n = 0;
    for (std::uint8_t v : g)
        n += v != 0;
    return n;
}

grader::Bank smallBank(std::uint64_t seed, int threads)
{
    grader::GeneratorOptions o;
    o.seed = seed;
    o.perLevel = 4;
    o.threads = threads;
    return grader::generateBank(o);
}

// The game's own writer, as sudoku-tool hands it to the bank.
bool writeFile(const QString &path, const QStringList &lines, QString *error) { return atomictext::writeLines(path, lines, error); }

} // namespace

class TestGenerator : public QObject {
    Q_OBJECT

private slots:
    void gridsAreCompleteAndSeeded()
    {
        const engine::Grid a = grader::randomGrid(7);
        QCOMPARE(givens(a), 81);
        QVERIFY(engine::consistent(a));
        QVERIFY(grader::randomGrid(7) == a);
        QVERIFY(grader::randomGrid(8) != a);
    }

    void removalKeepsOneSolution()
    {
        const engine::Grid solution = grader::randomGrid(11);
        const engine::Grid minimal = grader::removeClues(solution, 12, 0);
        QCOMPARE(engine::count(minimal, 2), 1);
        QVERIFY(engine::solve(minimal, 1).first == solution);
        // Minimal: no given can go without a second solution.
        for (std::size_t c = 0; c < 81; ++c) {
            if (!minimal[c])
                continue;
            engine::Grid fewer = minimal;
            fewer[c] = 0;
            QCOMPARE(engine::count(fewer, 2), 2);
        }
        const engine::Grid floor = grader::removeClues(solution, 12, 36);
        QCOMPARE(givens(floor), 36);
        QCOMPARE(engine::count(floor, 2), 1);
    }

    void entriesWriteGivensAsDigits()
    {
        const engine::Grid solution = grader::randomGrid(3);
        engine::Grid puzzle = solution;
        puzzle[0] = 0;
        const QString entry = grader::bankEntry(puzzle, solution);
        QCOMPARE(entry.size(), 81);
        QCOMPARE(entry.at(0), QChar(u'A' + solution[0] - 1));
        QCOMPARE(entry.at(80), QChar(u'0' + solution[80]));
    }

    void entriesDecodeWhatWasEncoded_data()
    {
        QTest::addColumn<int>("open"); // cells opened from the front
        QTest::newRow("all given") << 0;
        QTest::newRow("half open") << 40;
        QTest::newRow("all open") << 81;
    }
    void entriesDecodeWhatWasEncoded()
    {
        QFETCH(int, open);
        const engine::Grid solution = grader::randomGrid(5);
        engine::Grid puzzle = solution;
        std::fill(puzzle.begin(), puzzle.begin() + open, std::uint8_t{0});
        const grader::DecodedEntry back = grader::decodeBankEntry(grader::bankEntry(puzzle, solution));
        QVERIFY(back.ok());
        QVERIFY(back.puzzle == puzzle);
        QVERIFY(back.solution == solution);
        QCOMPARE(back.givens, 81 - open);
    }

    void badEntryCharactersAreFound_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("bad");
        const QString good = grader::bankEntry(engine::Grid{}, grader::randomGrid(5));
        QTest::newRow("good, with a tail") << good + QStringLiteral("xyz") << -1;
        QTest::newRow("short") << good.left(80) << 80;
        QTest::newRow("zero") << QString(good).replace(0, 1, QStringLiteral("0")) << 0;
        QTest::newRow("letter J") << QString(good).replace(7, 1, QStringLiteral("J")) << 7;
        QTest::newRow("lower case") << QString(good).replace(80, 1, QStringLiteral("a")) << 80;
    }
    void badEntryCharactersAreFound()
    {
        QFETCH(QString, entry);
        QFETCH(int, bad);
        QCOMPARE(grader::decodeBankEntry(entry).bad, qsizetype(bad));
    }

    void seedDecidesTheBank()
    {
        const grader::Bank one = smallBank(5, 1);
        QVERIFY(smallBank(5, 3) == one); // threads change nothing
        QVERIFY(smallBank(6, 2) != one);
        const grader::BankReport report = grader::verifyBank(one, 4);
        QVERIFY2(report.ok, qPrintable(report.firstBad));
        for (const QString &e : one[0])
            QVERIFY(std::count_if(e.begin(), e.end(), [](QChar c) { return c.isDigit(); }) >= grader::kVeryEasyMinGivens);
        for (const QString &e : one[1])
            QVERIFY(std::count_if(e.begin(), e.end(), [](QChar c) { return c.isDigit(); }) <= grader::kGentleMaxGivens);
    }

    void badEntriesAreNamed_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("fault");
        const engine::Grid solution = grader::randomGrid(21);
        const engine::Grid minimal = grader::removeClues(solution, 22, 0);
        const QString good = grader::bankEntry(minimal, solution);
        QVERIFY(grader::entryFault(good, grader::gradeProper(minimal).level).isEmpty());
        QTest::newRow("short") << good.left(80) << "length 80";
        QTest::newRow("letter J") << QString(good).replace(good.indexOf(QRegularExpression(QStringLiteral("[A-I]"))), 1, QStringLiteral("J"))
                                  << "neither";
        QString clash = good;
        clash[1] = clash[0];
        QTest::newRow("not a grid") << clash << "not a valid grid";
        engine::Grid sixteen{};
        for (std::size_t c = 0; c < 16; ++c)
            sixteen[c * 5] = solution[c * 5];
        QTest::newRow("16 givens") << grader::bankEntry(sixteen, solution) << "16 givens";
        engine::Grid many = solution;
        for (std::size_t c = 0; c < 28; ++c)
            many[c] = 0;
        QTest::newRow("53 givens") << grader::bankEntry(many, solution) << "53 givens";
        engine::Grid open = minimal;
        std::size_t removed = 0;
        while (!open[removed])
            ++removed;
        open[removed] = 0;
        QTest::newRow("two solutions") << grader::bankEntry(open, solution) << "more than one";
        const int level = grader::gradeProper(minimal).level;
        QTest::newRow("wrong level") << good << QStringLiteral("not %1").arg((level + 1) % 5);
    }
    void badEntriesAreNamed()
    {
        QFETCH(QString, entry);
        QFETCH(QString, fault);
        const engine::Grid solution = grader::randomGrid(21);
        const int level = grader::gradeProper(grader::removeClues(solution, 22, 0)).level;
        const int asked = QTest::currentDataTag() == QLatin1String("wrong level") ? (level + 1) % 5 : level;
        const QString found = grader::entryFault(entry, asked);
        QVERIFY2(found.contains(fault), qPrintable(found));
    }

    void verificationNamesTheFirstBadEntry()
    {
        grader::Bank bank = smallBank(9, 2);
        QVERIFY(grader::verifyBank(bank, 4).ok);
        grader::Bank repeated = bank;
        repeated[3][2] = repeated[3][0];
        const grader::BankReport r = grader::verifyBank(repeated, 4);
        QVERIFY(!r.ok);
        QVERIFY2(r.firstBad.startsWith(QStringLiteral("tk3 line 3: repeats tk3 line 1")), qPrintable(r.firstBad));
        grader::Bank shortList = bank;
        shortList[4].removeLast();
        QVERIFY(grader::verifyBank(shortList, 4).firstBad.contains(QStringLiteral("3 entries, not 4")));
    }

    void bankFilesEndLinesWithCrLf()
    {
        QTemporaryDir dir;
        const grader::Bank bank = smallBank(9, 2);
        QString error;
        QVERIFY(grader::writeBank(bank, dir.path(), writeFile, &error));
        for (int level = 0; level < 5; ++level) {
            QFile f(dir.filePath(QStringLiteral("tk%1.txt").arg(level)));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray text = f.readAll();
            QCOMPARE(text.size(), 4 * 83);
            QCOMPARE(text.count("\r\n"), 4);
            QCOMPARE(QString::fromLatin1(text.left(81)), bank[static_cast<std::size_t>(level)].first());
        }
        // A directory that cannot exist: a path below a plain file.
        QVERIFY(!grader::writeBank(bank, dir.filePath(QStringLiteral("tk0.txt/sub")), writeFile, &error));
        QVERIFY(!error.isEmpty());
    }

    // The disk fills up during the second file: the message names that file
    // and nothing is written after it.
    void failedFileIsNamedAndEndsTheBank()
    {
        QStringList tried;
        const grader::BankFileWriter fullAtSecond = [&](const QString &path, const QStringList &, QString *why) {
            tried << QFileInfo(path).fileName();
            *why = QStringLiteral("No space left on device");
            return tried.size() < 2;
        };
        QString error;
        QVERIFY(!grader::writeBank(smallBank(9, 1), QDir::tempPath(), fullAtSecond, &error));
        QCOMPARE(tried, (QStringList{"tk0.txt", "tk1.txt"}));
        QCOMPARE(error, "cannot write " + QDir(QDir::tempPath()).filePath("tk1.txt") + ": No space left on device");
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "test_generator.moc"
