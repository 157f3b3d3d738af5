#include "ToolRun.h"
#include "board/BoardPlaces.h"
#include "game/Layout.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kUnique = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const QByteArray kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

using toolrun::Run;
using toolrun::tool;

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
        // Sparse puzzles whose strings once took seconds to find.
        QTest::newRow("11 givens")
            << QByteArray("........7..4.....8..2......7.............9.......7......5....1..3........4.......\n")
            << QByteArray("2 156238497374195268892467135713524689468319572529876341285743916631982754947651823 "
                          "516438297394217658872596143751324986263189475489675321625843719137952864948761532\n");
        QTest::newRow("14 givens")
            << QByteArray("......2...........4.2.6.................5...................1...3...2.7.724.13...\n")
            << QByteArray("2 153478269678129345492365718215784693346951827987236451569847132831692574724513986 "
                          "367495218859231647412867593146328759273159486598746321985674132631582974724913865\n");
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

    void byteOrderMarkIsSkipped_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"check", "grade", "explain"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void byteOrderMarkIsSkipped()
    {
        QFETCH(QString, command);
        const Run plain = tool({command}, kUnique + '\n');
        const Run marked = tool({command}, "\xEF\xBB\xBF" + kUnique + '\n');
        QCOMPARE(plain.status, 0);
        QCOMPARE(marked.out, plain.out);
        QCOMPARE(marked.status, 0);
    }

    // "explain" prints the steps the placement needs, "explain --all" every
    // step up to it.
    void explainPrintsStepsThenABlankLine_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("all");
        const QByteArray single = "hidden-single place r1c6=8\n\n";
        QTest::newRow("a hidden single") << kUnique + '\n' << single << single;
        QTest::newRow("removals, then the placement")
            << QByteArray("074500619006700584005060372607139408038000901000200736040000267060000095702000043\n")
            << QByteArray("hidden-pair remove r8c5-4 r8c6-4\n"
                          "hidden-single place r8c4=4\n\n")
            << QByteArray("locked-candidates remove r7c1-3 r8c1-3\n"
                          "locked-candidates remove r7c6-3 r8c6-3\n"
                          "naked-pair remove r8c3-1 r8c4-8 r8c5-1 r8c5-8 r8c6-1 r8c6-8\n"
                          "naked-single place r8c3=3\n\n");
        QByteArray clash = kUnique;
        clash[10] = '5';
        QByteArray wrong = kUnique;
        wrong[2] = '2';
        const QByteArray none = QByteArray("none\n\n").repeated(4);
        QTest::newRow("none") << clash + '\n' + wrong + '\n' + kSolution + "\n\n" << none << none;
        QTest::newRow("beyond the ladder")
            << QByteArray("800000000003600000070090200050007000000045700000100030001000068008500010090000400\n" + kUnique)
            << "stuck\n\n" + single << "stuck\n\n" + single;
    }
    void explainPrintsStepsThenABlankLine()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, all);
        for (const QStringList &args : {QStringList{"explain"}, QStringList{"explain", "--all"}}) {
            const Run r = tool(args, input);
            QCOMPARE(r.status, 0);
            QCOMPARE(r.out, args.size() == 1 ? output : all);
            QCOMPARE(r.err, QByteArray());
        }
    }

    void explainHelpListsLineFormatAndTechniques()
    {
        const Run help = tool({QStringLiteral("help"), QStringLiteral("explain")});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("usage: sudoku-tool explain [FILE]\n"));
        for (const char *word : {"TECHNIQUE ACTION CELL", "rRcC=D", "rRcC-D", "locked-candidates", "bug-plus-one",
                                 "grouped-aic", "stuck", "none", "explain --all [FILE]"})
            QVERIFY2(help.out.contains(word), word);
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
        QTest::newRow("explain two files") << QStringList{QStringLiteral("explain"), QStringLiteral("a"), QStringLiteral("b")}
                                           << QByteArray("sudoku-tool explain: too many arguments");
        QTest::newRow("explain missing file")
            << QStringList{QStringLiteral("explain"), QStringLiteral("/nonexistent/p.txt")}
            << QByteArray("sudoku-tool explain: cannot read '/nonexistent/p.txt'");
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
        const Run helpHelp = tool({QStringLiteral("help"), QStringLiteral("help")});
        QCOMPARE(helpHelp.status, 0);
        QVERIFY(helpHelp.out.startsWith("usage: sudoku-tool help [COMMAND]\n"));
    }

    void version()
    {
        const Run r = tool({QStringLiteral("--version")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("sudoku-tool 3.0\n"));
    }

    void failedWriteIsReported_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("check") << QStringList{"check"} << QByteArray("sudoku-tool check: cannot write the results\n");
        QTest::newRow("grade") << QStringList{"grade"} << QByteArray("sudoku-tool grade: cannot write the results\n");
        QTest::newRow("explain") << QStringList{"explain"}
                                 << QByteArray("sudoku-tool explain: cannot write the results\n");
        QTest::newRow("import") << QStringList{"import"} << QByteArray("sudoku-tool import: cannot write the result\n");
        QTest::newRow("open") << QStringList{"open"} << QByteArray("sudoku-tool open: cannot write the result\n");
        QTest::newRow("layout") << QStringList{"layout"} << QByteArray("sudoku-tool layout: cannot write the places\n");
        QTest::newRow("help") << QStringList{"help"} << QByteArray("sudoku-tool: cannot write standard output\n");
    }
    void failedWriteIsReported()
    {
#ifndef Q_OS_UNIX
        QSKIP("Windows has no device that is always full");
#endif
        QFETCH(QStringList, args);
        QFETCH(QByteArray, message);
        const Run r = tool(args, kUnique + '\n', toolrun::Stdin::Piped, QStringLiteral("/dev/full"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, message);
    }

    void closedStandardInputIsReported_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("check") << QStringList{"check"};
        QTest::newRow("grade") << QStringList{"grade", "-"};
        QTest::newRow("import") << QStringList{"import"};
        QTest::newRow("open") << QStringList{"open", "-"};
        QTest::newRow("export") << QStringList{"export", "--layout", "9x9"};
    }
    void closedStandardInputIsReported()
    {
#ifndef Q_OS_UNIX
        QSKIP("a Windows process cannot be started with its standard input closed");
#endif
        QFETCH(QStringList, args);
        const Run r = tool(args, {}, toolrun::Stdin::Closed);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(r.err, "sudoku-tool " + args.first().toUtf8() + ": standard input is closed\n");
    }

    void layoutPrintsControlsThenCells()
    {
        const Run r = tool({QStringLiteral("layout")});
        QCOMPARE(r.status, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), qsizetype(std::size(layout::kPlaces)) + 81 + 1);
        // Client coordinates: parents' offsets and the board panel's border added.
        QVERIFY(lines.contains("ToolBar1 0 0 532 35"));
        QVERIFY(lines.contains("ToolButton4 31 2 23 22"));
        QVERIFY(lines.contains("rb_all 441 78 82 17"));
        QVERIFY(lines.contains("sd991 4 32 422 422"));
        const int size = boardplaces::kCellSize;
        const QByteArray s = ' ' + QByteArray::number(size) + ' ' + QByteArray::number(size);
        const int e1 = boardplaces::cellEdge(1), e9 = boardplaces::cellEdge(9);
        QCOMPARE(lines[std::size(layout::kPlaces)], "cell 1 1 " + QByteArray::number(4 + e1) + ' ' + QByteArray::number(32 + e1) + s);
        QCOMPARE(lines[std::size(layout::kPlaces) + 5], "cell 1 6 " + QByteArray::number(4 + boardplaces::cellEdge(6)) + ' ' +
                                                           QByteArray::number(32 + e1) + s);
        QCOMPARE(lines[std::size(layout::kPlaces) + 80], "cell 9 9 " + QByteArray::number(4 + e9) + ' ' + QByteArray::number(32 + e9) + s);
    }
};

QTEST_GUILESS_MAIN(TestSudokuTool)
#include "test_sudoku_tool.moc"
