// The grade and bank commands as a user runs them: output lines, exit
// codes, and usage errors that write nothing.
#include "BankCommands.h"
#include "game/Ufrmtk.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int code;
    QString out, err;
};

Run gradeText(const QString &input, const QStringList &args = {})
{
    QString in = input, out, err;
    QTextStream i(&in), o(&out), e(&err);
    const int code = bankcommands::grade(args, i, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

Run bank(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = bankcommands::bank(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

} // namespace

class TestBankCommands : public QObject {
    Q_OBJECT

private slots:
    void gradePrintsOneLinePerInputLine()
    {
        const QString input = QStringLiteral(
            "003020600900305001001806400008102900700000008006708200002609500800203009005010300\n"
            "800000000003600000070090200050007000000045700000100030001000068008500010090000400\r\n"
            "\n"
            "11*******************************************************************************\n"
            "not a puzzle\n"
            "1*..\x01\x7f" "3\n");
        const Run r = gradeText(input);
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("0 49 hidden-single"));
        QVERIFY(lines[1].startsWith(QStringLiteral("5 ")) && lines[1].endsWith(QStringLiteral(" beyond")));
        for (int i = 2; i < 6; ++i)
            QCOMPARE(lines[i], QStringLiteral("x 0 -"));
    }

    void gradeReadsBankEntries()
    {
        // Letters are blanks to the grader, so an entry grades as its puzzle.
        QFile f(QStringLiteral(":/bank/tk2.txt"));
        Tfrmtk bankLists; // registers the resource
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString entries = QString::fromLatin1(f.readAll()).left(83 * 5);
        const Run r = gradeText(entries);
        for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(QStringLiteral("2 ")), qPrintable(line));
    }

    void gradeFileErrors()
    {
        const Run missing = gradeText({}, {QStringLiteral("/nonexistent/puzzles.txt")});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.out.isEmpty() && !missing.err.isEmpty());
        QCOMPARE(gradeText({}, {QStringLiteral("a"), QStringLiteral("b")}).code, 2);
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
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("usage")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("d")));
    }

    void verifyReportsTheBuiltInBank()
    {
#ifdef NODALA_SANITIZED
        QSKIP("test_bank_verify re-checks the bank; once is enough under sanitizers");
#endif
        const Run r = bank({QStringLiteral("verify")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("2500 entries")));
    }
};

QTEST_GUILESS_MAIN(TestBankCommands)
#include "test_bank_commands.moc"
