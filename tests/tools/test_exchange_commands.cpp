// sudoku-tool import and export run as processes.
#include "ToolRun.h"

#include <QtTest>

namespace {

const QByteArray kExample1 = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

using toolrun::Run;
using toolrun::tool;

QStringList exportArgs(const char *layout) { return {"export", "--layout", layout}; }

} // namespace

class TestExchangeCommands : public QObject {
    Q_OBJECT

private slots:
    void importPrintsRuleAndStepLine_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("start"); // of the output
        // (1,1) open: its row, column and box hold 8, 6, 9, 3 and 2.
        QTest::newRow("rule 1") << kExample1 << QByteArray("1 31457,28,26,3");
        QTest::newRow("rule 2") << kExample1 + "\r\n" << QByteArray("2 3");
        // The dialog's box holds a CR LF as one line break: 81 characters.
        QTest::newRow("80 and CR LF: rule 1") << kExample1.left(80) + "\r\n" << QByteArray("1 31457,28,26,3");
        QTest::newRow("rule 3") << "|" + QByteArray(kExample1).replace('0', '.') + "|\n" << QByteArray("3 3");
        // Cell (1,1) a candidate list, (1,2) a given; UTF-8 junk is skipped.
        QTest::newRow("rule 4") << "13 \xc3\xa9 4 " + QByteArray(80, '9') + '\n' << QByteArray("4 313,24,39,3");
    }
    void importPrintsRuleAndStepLine()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, start);
        const Run r = tool({"import"}, input);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(start), r.out.constData());
        QCOMPARE(r.out.count('\n'), 1);
        QCOMPARE(r.out.count(','), 80);
        QCOMPARE(r.err, QByteArray());
    }

    void importOfNoRule()
    {
        for (const QByteArray &input : {QByteArray(), QByteArray("hello\n"), QByteArray(3, '\0')}) {
            const Run r = tool({"import"}, input);
            QCOMPARE(r.status, 1);
            QCOMPARE(r.out, QByteArray());
            QCOMPARE(r.err, QByteArray("Invalid format.\n"));
        }
    }

    void openPrintsEveryPuzzle_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray line = kExample1 + '\n';
        QTest::newRow("collection, comments as titles") << kExample1 + " #1\n" + QByteArray(kExample1).replace('0', '.') + "\n"
                                                        << kExample1 + "\t1\n" + line;
        QByteArray rows = "#D First one\n";
        for (int r = 0; r < 9; ++r)
            rows += kExample1.mid(r * 9, 9) + '\n';
        QTest::newRow("grid with a header") << rows << kExample1 + "\tFirst one\n";
        QTest::newRow("address") << "https://example.org/?bd=" + kExample1 << line;
    }
    void openPrintsEveryPuzzle()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const Run r = tool({"open"}, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, output);
        QCOMPARE(r.err, QByteArray());
    }

    // Each file read in turn; one without a puzzle is said and fails the run.
    void openSaysWhichFileHoldsNone()
    {
        QTemporaryDir dir;
        QFile good(dir.filePath("good.sdm"));
        QVERIFY(good.open(QIODevice::WriteOnly) && good.write(kExample1 + "\r\n") > 0);
        good.close();
        const Run r = tool({"open", good.fileName(), dir.path(), "-"}, "no puzzle\n");
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, kExample1 + '\n');
        QCOMPARE(r.err, dir.path().toUtf8() + " cannot be read: it is a folder.\nStandard input holds no puzzle: it has "
                        "no line of 81 cells, no grid of nine rows of nine, no puzzle address (bd=), game ID, library "
                        "line or OpenSudoku game.\n");
    }

    void exportWritesEachBoard_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("output");
        // Cell (1,1) a given 5, (1,2) one candidate, (1,3) two, the rest
        // empty: a single candidate is a blank but where candidates show.
        QTest::newRow("1x81") << exportArgs("1x81") << "500" + QByteArray(78, '0') + '\n';
        QTest::newRow("9x9") << exportArgs("9x9") << "5********\n" + QByteArray("*********\n").repeated(8);
        QTest::newRow("no-candidate, = form")
            << QStringList{"export", "--layout=no-candidate"}
            << '*' + QByteArray(47, '-') + "*\n|    5    .    .|    .    .    .|    .    .    .|\n";
        QTest::newRow("with-candidates")
            << exportArgs("with-candidates")
            << '*' + QByteArray(92, '-') + "*\n|         5         7        89|         .";
    }
    void exportWritesEachBoard()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, output);
        const QByteArray board = "15,37,389," + QByteArray("3,").repeated(77) + "3\n";
        const Run r = tool(args, board + board);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        QVERIFY2(r.out.startsWith(output), r.out.constData());
        const qsizetype lines = r.out.count('\n');
        QCOMPARE(lines % 2, 0);
        QCOMPARE(r.out.left(r.out.size() / 2), r.out.mid(r.out.size() / 2)); // two boards alike
    }

    void badUsageAndBadLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no layout") << QStringList{"export"} << QByteArray() << 2
                                   << QByteArray("sudoku-tool export: --layout is required");
        QTest::newRow("unknown layout") << exportArgs("3x27") << QByteArray() << 2
                                        << QByteArray("sudoku-tool export: unknown layout '3x27'");
        QTest::newRow("bad state") << exportArgs("9x9") << QByteArray("15,x3\n") << 1
                                   << QByteArray("sudoku-tool export: line 1: not a step line: 'x'");
        QTest::newRow("NUL state, shown escaped")
            << exportArgs("9x9") << QByteArray("\x00" "5,3\n", 5) << 1
            << QByteArray("sudoku-tool export: line 1: not a step line: '\\x00' is not a valid integer value\n");
        QTest::newRow("empty line") << exportArgs("9x9") << "1" + QByteArray(",15").repeated(80) + "\n\n" << 1
                                    << QByteArray("sudoku-tool export: line 2: not a step line");
    }
    void badUsageAndBadLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        const Run r = tool(args, input);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.startsWith(message), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
        if (status == 1) // the good board before the bad line is written
            QCOMPARE(r.out.count('\n'), input.startsWith("1,") ? 9 : 0);
    }

    void helpNamesBothCommands()
    {
        QVERIFY(tool({"help"}).out.contains("\n  import   read a puzzle text"));
        QVERIFY(tool({"help", "import"}).out.startsWith("usage: sudoku-tool import [FILE]"));
        QVERIFY(tool({"export", "--help"}).out.startsWith("usage: sudoku-tool export --layout LAYOUT [FILE]"));
    }
};

QTEST_GUILESS_MAIN(TestExchangeCommands)
#include "test_exchange_commands.moc"
