#include "board/BoardLogic.h"
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"

#include <QtTest>

using importreader::readImport;
using namespace copylayouts;

Q_DECLARE_METATYPE(copylayouts::CopyLayout)

namespace {

const QString kExample1 =
    QStringLiteral("086009000003200000002004903004000000005000700697041230008050001001760000059000006");
const QStringList kExample2{"*8******7", "****96***", "**2**3***", "*******9*", "**9***56*",
                            "***1****4", "4********", "****5**3*", "71*8*****"};

// A framed grid of 10-character fields; cells split by blanks.
QString framedGrid(const QStringList &rows)
{
    OwnedGrid board;
    for (int i = 0; i < 81; ++i)
        board.at(i / 9 + 1, i % 9 + 1).value = rows.at(i / 9).split(' ').at(i % 9);
    return withCandidatesLines(board.grid()).join('\n');
}

const QStringList kExample3{". 9 5 . . 3 8 1 4", ". 8 . . . 2 . . .", "6 . . . 8 . 2 . 7",
                            ". . . 1 9 . 6 . .", "3 . . . . . . . .", ". . . . . . 5 . .",
                            "1 . 8 3 . . 7 . .", ". . . . . 4 . 6 .", ". . 6 . . 7 . 8 3"};

// "0" for every cell that is not an entered number.
QString givensOf(const CellGrid &g)
{
    QString out;
    for (int i = 0; i < 81; ++i)
        out += g[i].state == stBigNumber ? g[i].value : QStringLiteral("0");
    return out;
}

} // namespace

class TestExchangeTexts : public QObject {
    Q_OBJECT

private slots:
    void choosesTheRuleAndReadsThePuzzleString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("givens");
        const QString stars = QString(kExample1).replace('0', '*');
        QTest::newRow("81 characters, 0 blank") << kExample1 << 1 << kExample1;
        QTest::newRow("81 characters, * and . blank") << QString(stars).replace(0, 9, ".........") << 1
                                                     << QString(kExample1).replace(0, 9, "000000000");
        QTest::newRow("letters are blanks") << QString(stars).replace('*', 'x') << 1 << kExample1;
        // 81 characters with a leading tab: trimmed to 80, the last cell blank.
        QTest::newRow("trimmed at both ends") << '\t' + kExample1.mid(1) << 1 << kExample1.mid(1) + '0';
        QTest::newRow("same line and a LF") << kExample1 + '\n' << 2 << kExample1;
        QTest::newRow("same line and CR LF") << kExample1 + "\r\n" << 2 << kExample1;
        QTest::newRow("nine lines") << kExample2.join('\n') << 2 << kExample2.join("").replace('*', '0');
        QTest::newRow("nine lines, spaces between") << kExample2.join("\r\n").replace("*", " * ") << 2
                                                    << kExample2.join("").replace('*', '0');
        QTest::newRow("control characters are blank")
            << QString(kExample1).insert(40, QChar(1)).insert(9, QChar(0)) << 2 << kExample1;
        QTest::newRow("framed grid with dots") << framedGrid(kExample3) << 3
                                               << kExample3.join("").remove(' ').replace('.', '0');
        QTest::newRow("0 skipped by rule 3") << "0,0;" + QString(81, '.') << 3 << QString(81, '0');
        QTest::newRow("framed grid with 0 blanks") << framedGrid(kExample3).replace('.', '0') << 0 << QString();
        QTest::newRow("81 digits framed") << '|' + QString("123456789").repeated(9) + '|' << 3
                                          << QString("123456789").repeated(9);
        QTest::newRow("82 digits on one line") << QString(82, '1') << 4 << QString(81, '0');
        QTest::newRow("80 digits") << QString(80, '1') << 0 << QString();
        QTest::newRow("empty") << QString() << 0 << QString();
    }
    void choosesTheRuleAndReadsThePuzzleString()
    {
        QFETCH(QString, text);
        QFETCH(int, rule);
        QFETCH(QString, givens);
        const importreader::ImportResult result = readImport(text);
        QCOMPARE(result.rule, rule);
        QCOMPARE(result.valid(), rule != 0);
        if (rule == 0 || rule == 4)
            return;
        const CellGrid &g = result.cells.grid();
        QCOMPARE(givensOf(g), givens);
        for (int i = 0; i < 81; ++i)
            if (g[i].state == stCandidates)
                QCOMPARE(g[i].value, boardlogic::candidatesOf(g, i / 9 + 1, i % 9 + 1));
    }

    void readsACandidateGridAsWritten_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("value");
        QTest::newRow("one digit is a given") << 1 << 1 << int(stBigNumber) << "5";
        QTest::newRow("group at the line's start") << 2 << 1 << int(stCandidates) << "12379";
        QTest::newRow("group at the line's end") << 2 << 9 << int(stCandidates) << "2345679";
        QTest::newRow("dot is empty") << 3 << 1 << int(stCandidates) << "";
        QTest::newRow("unsorted, dots dropped") << 3 << 2 << int(stCandidates) << "91";
        QTest::newRow("line without digits skipped") << 4 << 1 << int(stBigNumber) << "8";
        QTest::newRow("tenth group ignored, repeats dropped") << 4 << 9 << int(stCandidates) << "9";
        QTest::newRow("missing group") << 3 << 4 << int(stCandidates) << "";
        QTest::newRow("missing line") << 9 << 5 << int(stCandidates) << "";
    }
    void readsACandidateGridAsWritten()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, state);
        QFETCH(QString, value);
        const QString text = QStringLiteral("5 13789 2389 123479 379 6 23478 23479 234789\r\n"
                                            "12379|13679|2369|1234579|3579 8|234567|234679|2345679\r\r\n"
                                            "-- frame --\n"
                                            " . x9.1y 4\n"
                                            "a8b2c3d4e5f6g7h11i99j8\r");
        const importreader::ImportResult result = readImport(text);
        QCOMPARE(result.rule, 4);
        const CellData &cell = result.cells.grid().at(row, col);
        QCOMPARE(cell.state, state);
        QCOMPARE(cell.value, value);
    }

    void writesEachLayout_data()
    {
        QTest::addColumn<CopyLayout>("layout");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines"); // frame, row 1, row 2, separator
        const QString wideDashes(30, '-'), narrowDashes(15, '-');
        QTest::newRow("with candidates")
            << WithCandidates << "With Candidates"
            << QStringList{'*' + QString(92, '-') + '*',
                           "|         5         7 123456789|         .        38         6|         7         8         9|",
                           "|         .         .         .|         .         .         .|         .         .         .|",
                           '|' + wideDashes + '+' + wideDashes + '+' + wideDashes + '|'};
        QTest::newRow("no candidate") << NoCandidate << "No Candidate"
                                      << QStringList{'*' + QString(47, '-') + '*',
                                                     "|    5    .    .|    .    .    6|    7    8    9|",
                                                     "|    .    .    .|    .    .    .|    .    .    .|",
                                                     '|' + narrowDashes + '+' + narrowDashes + '+' + narrowDashes + '|'};
        QTest::newRow("9*9") << NineByNine << "9*9" << QStringList{"5****6789", "*********"};
        QTest::newRow("1*81") << OneBy81 << "1*81" << QStringList{"5000067890" + QString(71, '0')};
    }
    void writesEachLayout()
    {
        QFETCH(CopyLayout, layout);
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        // Row 1: a given 5, open cells of one candidate, nine, none and two, a
        // player's 6, givens 7..9; other rows empty. A single candidate is
        // no digit of the puzzle: only the candidate layout shows it.
        OwnedGrid board;
        const QStringList row1{"5", "7", "123456789", "", "38", "6", "7", "8", "9"};
        for (int c = 1; c <= 9; ++c) {
            board.at(1, c).value = row1.at(c - 1);
            board.at(1, c).state = c == 6 ? stBigNumber : c >= 2 && c <= 5 ? stCandidates : stFixed;
        }
        const QStringList written = layoutLines(layout, board.grid());
        QCOMPARE(layoutName(layout), name);
        QCOMPARE(written.size(), lines.size() == 4 ? 13 : lines.size() == 2 ? 9 : 1);
        QCOMPARE(written.mid(0, qMin<qsizetype>(3, lines.size())), lines.mid(0, 3));
        if (lines.size() == 4)
            QVERIFY(written.at(4) == lines.at(3) && written.at(8) == lines.at(3) && written.at(12) == lines.at(0));
    }
};

QTEST_GUILESS_MAIN(TestExchangeTexts)
#include "test_exchange_texts.moc"
