#include "board/BoardLogic.h"
#include "exchange/ImportReader.h"

#include <QtTest>

using importreader::readImport;

namespace {

const QString kExample1 =
    QStringLiteral("086009000003200000002004903004000000005000700697041230008050001001760000059000006");
const QStringList kExample2{"*8******7", "****96***", "**2**3***", "*******9*", "**9***56*",
                            "***1****4", "4********", "****5**3*", "71*8*****"};

// A framed grid of 10-character fields, as the copy dialog writes it.
QString framedGrid(const QStringList &rows)
{
    const QString dashes(30, QLatin1Char('-'));
    const QString frame = '*' + QString(92, QLatin1Char('-')) + '*';
    QStringList lines{frame};
    for (int r = 0; r < rows.size(); ++r) {
        QString line(QLatin1Char('|'));
        const QStringList cells = rows.at(r).split(QLatin1Char(' '));
        for (int c = 0; c < cells.size(); ++c)
            line += cells.at(c).rightJustified(10) + (c % 3 == 2 ? "|" : "");
        lines << line;
        if (r == 2 || r == 5)
            lines << '|' + dashes + '+' + dashes + '+' + dashes + '|';
    }
    return (lines << frame).join(QLatin1Char('\n'));
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

class TestImportReader : public QObject {
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
        QTest::newRow("unsorted, dots kept") << 3 << 2 << int(stCandidates) << "9.1";
        QTest::newRow("line without digits skipped") << 4 << 1 << int(stBigNumber) << "8";
        QTest::newRow("tenth group ignored") << 4 << 9 << int(stCandidates) << "99";
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
        QCOMPARE(readImport(text).rule, 4);
        const CellData &cell = readImport(text).cells.grid().at(row, col);
        QCOMPARE(cell.state, state);
        QCOMPARE(cell.value, value);
    }
};

QTEST_GUILESS_MAIN(TestImportReader)
#include "test_import_reader.moc"
