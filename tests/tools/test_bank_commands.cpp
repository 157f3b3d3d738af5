// sudoku-tool's grade and bank commands as a user runs them: output lines,
// exit codes, and usage errors that write nothing.
#include "ToolRun.h"
#include "puzzle/Ufrmtk.h"

#include <QtTest>

namespace {

using toolrun::Run;

Run gradeText(const QByteArray &input, const QStringList &args = {})
{
    return toolrun::tool(QStringList{QStringLiteral("grade")} + args, input);
}

Run bank(const QStringList &args) { return toolrun::tool(QStringList{QStringLiteral("bank")} + args); }

} // namespace

class TestBankCommands : public QObject {
    Q_OBJECT

private slots:
    void gradePrintsOneLinePerInputLine()
    {
        const QByteArray input(
            "003020600900305001001806400008102900700000008006708200002609500800203009005010300\n"
            "800000000003600000070090200050007000000045700000100030001000068008500010090000400\r\n"
            "\n"
            "11*******************************************************************************\n"
            "not a puzzle\n"
            "1*..\x01\x7f" "3\n");
        const Run r = gradeText(input);
        QCOMPARE(r.status, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.last(), QByteArray());
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QByteArray("0 49 hidden-single"));
        QVERIFY(lines[1].startsWith("5 ") && lines[1].endsWith(" beyond"));
        for (int i = 2; i < 6; ++i)
            QCOMPARE(lines[i], QByteArray("x 0 -"));
    }

    void gradeReadsBankEntries()
    {
        // Letters are blanks to the grader, so an entry grades as its puzzle.
        QFile f(QStringLiteral(":/bank/tk2.txt"));
        Tfrmtk bankLists; // registers the resource
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray entries = f.readAll().left(83 * 5);
        const Run r = gradeText(entries);
        QCOMPARE(r.out.count('\n'), 5);
        for (const QByteArray &line : r.out.split('\n'))
            QVERIFY2(line.isEmpty() || line.startsWith("2 "), line.constData());
    }

    void gradeFileErrors()
    {
        // An unreadable file is a usage error (2), as for every FILE argument.
        const Run missing = gradeText({}, {QStringLiteral("/nonexistent/puzzles.txt")});
        QCOMPARE(missing.status, 2);
        QVERIFY(missing.out.isEmpty() && !missing.err.isEmpty());
        QCOMPARE(gradeText({}, {QStringLiteral("a"), QStringLiteral("b")}).status, 2);
    }

    void bankUsageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown") << QStringList{QStringLiteral("list")};
        QTest::newRow("verify with extra") << QStringList{QStringLiteral("verify"), QStringLiteral("x")};
        QTest::newRow("no seed") << QStringList{QStringLiteral("generate"), QStringLiteral("--out"), QStringLiteral("d")};
        QTest::newRow("bad seed") << QStringList{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("x1"),
                                                 QStringLiteral("--out"), QStringLiteral("d")};
        QTest::newRow("no out") << QStringList{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1")};
        QTest::newRow("dangling") << QStringList{QStringLiteral("generate"), QStringLiteral("--seed")};
        QTest::newRow("zero threads") << QStringList{QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1"),
                                                     QStringLiteral("--out"), QStringLiteral("d"), QStringLiteral("--threads"),
                                                     QStringLiteral("0")};
    }
    void bankUsageErrors()
    {
        QFETCH(QStringList, args);
        const Run r = bank(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("usage"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("d")));
    }

    void verifyReportsTheBuiltInBank()
    {
#ifdef NODALA_SANITIZED
        QSKIP("test_bank_verify re-checks the bank; once is enough under sanitizers");
#endif
        const Run r = bank({QStringLiteral("verify")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("2500 entries"));
    }

    void verifyToAFullDiskFails()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows has no device that is always full");
#endif
#ifdef NODALA_SANITIZED
        QSKIP("test_bank_verify re-checks the bank; once is enough under sanitizers");
#endif
        const Run r = toolrun::tool({QStringLiteral("bank"), QStringLiteral("verify")}, {}, toolrun::Stdin::Piped,
                                    QStringLiteral("/dev/full"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QByteArray("sudoku-tool bank: cannot write the report\n"));
    }

    // A real full file system, where the test may mount one (as root): the
    // first file fits, the second does not. It is named, and no cut-off
    // file stands under its name.
    void generateToAFullDiskNamesTheFile()
    {
#ifdef NODALA_SANITIZED
        QSKIP("generating a whole bank takes too long under sanitizers");
#endif
#ifndef Q_OS_UNIX
        QSKIP("no small file system to mount on Windows");
#else
        QTemporaryDir mount;
        const auto run = [](const QString &command) {
            return QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command + " >/dev/null 2>&1"}) == 0;
        };
        if (::geteuid() != 0 || !run("mount -t tmpfs -o size=64k tmpfs " + mount.path()))
            QSKIP("cannot mount a small file system here");
        const Run r = bank({QStringLiteral("generate"), QStringLiteral("--seed"), QStringLiteral("1"),
                            QStringLiteral("--out"), mount.path()});
        const QStringList left = QDir(mount.path()).entryList(QDir::Files | QDir::Hidden);
        const qint64 first = QFileInfo(mount.filePath(QStringLiteral("tk0.txt"))).size();
        run("umount " + mount.path());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.startsWith("cannot write " + mount.filePath(QStringLiteral("tk1.txt")).toLocal8Bit() + ": "),
                 r.err.constData());
        QCOMPARE(left, QStringList{QStringLiteral("tk0.txt")});
        QCOMPARE(first, 500 * 83);
#endif
    }
};

QTEST_GUILESS_MAIN(TestBankCommands)
#include "test_bank_commands.moc"
