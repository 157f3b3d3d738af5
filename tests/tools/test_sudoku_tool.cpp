#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kUnique = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run tool(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(SUDOKU_TOOL), args);
    p.write(input);
    p.closeWriteChannel();
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray zeros(QByteArray puzzle)
{
    for (char &c : puzzle)
        if (c < '1' || c > '9')
            c = '0';
    return puzzle;
}

} // namespace

class TestSudokuTool : public QObject {
    Q_OBJECT

private slots:
    void checkPrintsVerdictAndStrings_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray unique = "0 " + kSolution + ' ' + kSolution + '\n';
        QTest::newRow("unique") << kUnique + '\n' << unique;
        QTest::newRow("no final newline") << kUnique << unique;
        QTest::newRow("CR LF and CR") << kUnique + "\r\n" + kUnique + '\r' + kUnique << unique + unique + unique;
        QTest::newRow("other blanks") << QByteArray(kUnique).replace('.', '0') + '\n' << unique;
        QTest::newRow("rest of line ignored") << kUnique + " 1234 tail\n" << unique;
        QByteArray clash = kUnique;
        clash[10] = '5';
        QTest::newRow("clash") << clash + '\n' << QByteArray("1 - -\n");
        QByteArray wrong = kUnique;
        wrong[2] = '2';
        QTest::newRow("no solution") << wrong + '\n' << "1 " + zeros(wrong) + " -\n";
        QTest::newRow("no blank") << kSolution + '\n' << "1 " + kSolution + " -\n";
        // Cell 3 sees 1..8 in its row and the 9 of cell 10 in its box.
        QTest::newRow("short line blank at its end") << QByteArray("12.3456789\n")
                                                   << "1 1203456789" + QByteArray(71, '0') + " -\n";
    }
    void checkPrintsVerdictAndStrings()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const Run r = tool({QStringLiteral("check")}, input);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, output);
        QCOMPARE(r.err, QByteArray());
    }

    void emptyLineIsAnEmptyBoard()
    {
        const Run r = tool({QStringLiteral("check")}, "\n");
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("2 123456789456789123789"));
        QVERIFY(r.out.endsWith("987654321\n"));
    }

    void fileAndStandardInputAgree()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("puzzles.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray input = kUnique + '\n' + QByteArray(81, '*') + '\n';
        f.write(input);
        f.close();
        const Run fromFile = tool({QStringLiteral("check"), path});
        const Run fromDash = tool({QStringLiteral("check"), QStringLiteral("-")}, input);
        const Run fromStdin = tool({QStringLiteral("check")}, input);
        QCOMPARE(fromFile.status, 0);
        QCOMPARE(fromFile.out.count('\n'), 2);
        QCOMPARE(fromFile.out, fromStdin.out);
        QCOMPARE(fromDash.out, fromStdin.out);
    }

    void hugeLineIsReadInBoundedPieces()
    {
        // 4 MB without a line end, then a second line.
        QByteArray input = kUnique + QByteArray(4 << 20, 'x') + '\n' + kUnique + '\n';
        const Run r = tool({QStringLiteral("check")}, input);
        QCOMPARE(r.status, 0);
        const QByteArray unique = "0 " + kSolution + ' ' + kSolution + '\n';
        QCOMPARE(r.out, unique + unique);
    }

    void badUsageAndUnreadableFiles_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no command") << QStringList() << QByteArray("sudoku-tool: no command given");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("solve")}
                                         << QByteArray("sudoku-tool: unknown command 'solve'");
        QTest::newRow("help for unknown") << QStringList{QStringLiteral("help"), QStringLiteral("solve")}
                                          << QByteArray("sudoku-tool: unknown command 'solve'");
        QTest::newRow("two files") << QStringList{QStringLiteral("check"), QStringLiteral("a"), QStringLiteral("b")}
                                   << QByteArray("sudoku-tool check: too many arguments");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("check"), QStringLiteral("-x")}
                                        << QByteArray("sudoku-tool check: unknown option '-x'");
        QTest::newRow("missing file") << QStringList{QStringLiteral("check"), QStringLiteral("/nonexistent/p.txt")}
                                      << QByteArray("sudoku-tool check: cannot read '/nonexistent/p.txt'");
        QTest::newRow("directory") << QStringList{QStringLiteral("check"), QDir::tempPath()}
                                   << QByteArray("sudoku-tool check: cannot read '") + QDir::tempPath().toUtf8();
    }
    void badUsageAndUnreadableFiles()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        const Run r = tool(args);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        QVERIFY2(r.err.startsWith(message), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.endsWith('\n'));
    }

    void help()
    {
        for (const QStringList &args : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("help")}}) {
            const Run r = tool(args);
            QCOMPARE(r.status, 0);
            QVERIFY(r.out.startsWith("usage: sudoku-tool COMMAND"));
            QVERIFY(r.out.contains("\n  check "));
            QCOMPARE(r.err, QByteArray());
        }
        const Run help = tool({QStringLiteral("help"), QStringLiteral("check")});
        const Run option = tool({QStringLiteral("check"), QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("usage: sudoku-tool check [FILE]"));
        QVERIFY(help.out.contains("VERDICT FIRST SECOND"));
        QCOMPARE(option.out, help.out);
    }
};

QTEST_GUILESS_MAIN(TestSudokuTool)
#include "test_sudoku_tool.moc"
