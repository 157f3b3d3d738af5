#include "ExchangeBoards.h"
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"
#include "records/Ufrmstep.h"

#include <QtTest>

using namespace copylayouts;

Q_DECLARE_METATYPE(copylayouts::CopyLayout)

namespace {

// Row 1: a given, a single candidate, nine candidates, an empty cell, two
// candidates, then 6..9; every other row empty.
OwnedGrid sampleBoard()
{
    OwnedGrid board;
    const QStringList row1{"5", "7", "123456789", "", "38", "6", "7", "8", "9"};
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            board.at(r, c).state = r == 1 && c == 1 ? stFixed : stCandidates;
            board.at(r, c).value = r == 1 ? row1.at(c - 1) : QString();
        }
    return board;
}

} // namespace

class TestCopyLayouts : public QObject {
    Q_OBJECT

private slots:
    void writesEachLayoutExactly_data()
    {
        QTest::addColumn<CopyLayout>("layout");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines"); // the first lines
        QTest::addColumn<int>("count");
        QTest::newRow("with candidates")
            << WithCandidates << "With Candidates"
            << QStringList{'*' + QString(92, '-') + '*',
                           "|         5         7 123456789|         .        38         6|"
                           "         7         8         9|",
                           "|         .         .         .|         .         .         .|"
                           "         .         .         .|",
                           "|         .         .         .|         .         .         .|"
                           "         .         .         .|",
                           '|' + QString(30, '-') + '+' + QString(30, '-') + '+' + QString(30, '-') + '|'}
            << 13;
        QTest::newRow("no candidate")
            << NoCandidate << "No Candidate"
            << QStringList{'*' + QString(47, '-') + '*', "|    5    7    .|    .    .    6|    7    8    9|",
                           "|    .    .    .|    .    .    .|    .    .    .|",
                           "|    .    .    .|    .    .    .|    .    .    .|",
                           '|' + QString(15, '-') + '+' + QString(15, '-') + '+' + QString(15, '-') + '|'}
            << 13;
        QTest::newRow("9*9") << NineByNine << "9*9" << QStringList{"57***6789", "*********"} << 9;
        QTest::newRow("1*81") << OneBy81 << "1*81" << QStringList{"5700067890" + QString(71, '0')} << 1;
    }
    void writesEachLayoutExactly()
    {
        QFETCH(CopyLayout, layout);
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        QFETCH(int, count);
        QCOMPARE(layoutName(layout), name);
        const QStringList written = layoutLines(layout, sampleBoard().grid());
        QCOMPARE(written.size(), count);
        QCOMPARE(written.mid(0, lines.size()), lines);
        if (count == 13) {
            QCOMPARE(written.at(8), lines.last()); // the second separator
            QCOMPARE(written.at(12), lines.first());
        }
    }

    void longValueIsNotCut()
    {
        OwnedGrid board = sampleBoard();
        board.at(1, 1).value = QStringLiteral("12345678912");
        QVERIFY(withCandidatesLines(board.grid()).at(1).startsWith("|12345678912         7"));
    }

    // Copy, then paste into the import dialog: the same cells come back.
    void readsBackWhatItWrote_data()
    {
        QTest::addColumn<CopyLayout>("layout");
        QTest::addColumn<int>("rule");
        QTest::newRow("1*81") << OneBy81 << 1;
        QTest::newRow("9*9") << NineByNine << 2;
        QTest::newRow("No Candidate") << NoCandidate << 3;
        QTest::newRow("With Candidates") << WithCandidates << 4;
    }
    void readsBackWhatItWrote()
    {
        QFETCH(CopyLayout, layout);
        QFETCH(int, rule);
        std::mt19937 rng(20240501u + static_cast<unsigned>(layout));
        for (int n = 0; n < 300; ++n) {
            const OwnedGrid board = exchangetest::randomBoard(rng);
            for (const char *eol : {"\n", "\r\n"}) {
                const QString text = layoutLines(layout, board.grid()).join(QLatin1String(eol));
                const importreader::ImportResult read = importreader::readImport(text);
                QCOMPARE(read.rule, rule);
                const OwnedGrid expected = exchangetest::expectedRead(board.grid(), rule == 4);
                QCOMPARE(BoardToStepLine(read.cells.grid()), BoardToStepLine(expected.grid()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyLayouts)
#include "test_copy_layouts.moc"
