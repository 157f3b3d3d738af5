// The reader of puzzle files on one small sample of each format, its near
// misses and the messages for what holds no puzzle.
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"
#include "exchange/PuzzleFile.h"

#include <QtTest>

using puzzlefile::readPuzzles;

namespace {

// The puzzle of every sample, "0" for a blank.
const QByteArray kGivens = "800000000003600000070090200050007000000045700000100030001000068008500010090000400";

QByteArray withBlank(char blank) { return QByteArray(kGivens).replace('0', blank); }

// Nine rows of nine, each row as fmt writes it from its nine cells.
QByteArray grid(const std::function<QByteArray(const QByteArray &row, int index)> &fmt)
{
    QByteArray out;
    for (int r = 0; r < 9; ++r)
        out += fmt(withBlank('.').mid(r * 9, 9), r);
    return out;
}

QByteArray sdkRows() { return grid([](const QByteArray &row, int) { return row + "\r\n"; }); }

// Bars between boxes, a rule after rows 3 and 6, a frame above and below.
QByteArray framed()
{
    return "*-----------*\n" + grid([](const QByteArray &row, int r) {
               return "|" + row.left(3) + "|" + row.mid(3, 3) + "|" + row.mid(6) + "|\n"
                   + (r == 2 || r == 5 ? "|---+---+---|\n" : "");
           }) + "*-----------*\n";
}

// Letters a run of blanks, "_" between adjacent digits.
QByteArray gameId()
{
    QByteArray out = "3x3:";
    int run = 0;
    bool digitBefore = false;
    for (const char c : kGivens) {
        if (c == '0') {
            ++run;
            digitBefore = false;
            continue;
        }
        out += run ? QByteArray(1, char('a' + run - 1)) : QByteArray(digitBefore ? "_" : "");
        out += c;
        run = 0;
        digitBefore = true;
    }
    return run ? out + char('a' + run - 1) : out;
}

QByteArray candidateGrid()
{
    const auto read = importreader::readImport(QString::fromLatin1(withBlank('*')));
    return copylayouts::withCandidatesLines(read.cells.grid()).join('\n').toLatin1();
}

QByteArray utf16le(const QByteArray &text)
{
    const QString s = QString::fromLatin1(text);
    return "\xff\xfe" + QByteArray(reinterpret_cast<const char *>(s.utf16()), s.size() * 2);
}

} // namespace

class TestPuzzleFile : public QObject {
    Q_OBJECT

private slots:
    void readsEachFormat_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("title"); // of the first puzzle
        const QByteArray zeros = kGivens;
        QTest::newRow("line, dots") << withBlank('.') << 1 << "";
        QTest::newRow("line, zeros, LF") << zeros + "\n" << 1 << "";
        QTest::newRow("line, stars, comment") << withBlank('*') + "  # Hard one\t(7.2)" << 1 << "Hard one (7.2)";
        QTest::newRow("sdm collection") << (zeros + "\r\n").repeated(5) << 5 << "";
        QTest::newRow("collection, CR") << (withBlank('.') + "\r").repeated(4) << 4 << "";
        QTest::newRow("sdk") << sdkRows() << 1 << "";
        QTest::newRow("sdk, header: description before author")
            << "#A Someone\r\n#D Hard one\r\n#B 2007-06-01\r\n" + sdkRows() << 1 << "Hard one";
        QTest::newRow("sdk, author only") << "#A Someone\n" + sdkRows() << 1 << "Someone";
        QTest::newRow("sdk sections: the state is no puzzle")
            << "[Puzzle]\n" + sdkRows() + "[State]\n" + sdkRows() << 1 << "";
        QTest::newRow("two grids, blank line between") << sdkRows() + "\n" + sdkRows() << 2 << "";
        QTest::newRow("framed, Version trailer") << framed() + "\nVersion 1.2\n" << 1 << "";
        QTest::newRow("spaced rows") << grid([](const QByteArray &row, int) {
            QByteArray spaced;
            for (const char c : row)
                spaced += c + QByteArray(" ");
            return spaced + "\n";
        }) << 1 << "";
        QTest::newRow("address") << "https://example.org/sudoku?bd=" + zeros + "&x=1" << 1 << "";
        QTest::newRow("library line") << ":0000:x:" + withBlank('.') + ":::" << 1 << "";
        QTest::newRow("library line, placed digits") << ":0901:1:+" + withBlank('.').left(1) + withBlank('.').mid(1) + ":2 3:"
                                                     << 1 << "";
        QTest::newRow("game ID") << gameId() << 1 << "";
        QTest::newRow("game ID in an address") << "https://example.org/solo.html#" + gameId() << 1 << "";
        QTest::newRow("OpenSudoku") << "<?xml version=\"1.0\"?>\n<opensudoku>\n<name>Easy &amp; fun</name>\n"
                                       "<game data=\"" + zeros + "\"/>\n<game created=\"1\"\n data='" + zeros
                + "' />\n</opensudoku>\n"
                                    << 2 << "Easy & fun";
        QTest::newRow("UTF-8 byte-order mark") << "\xef\xbb\xbf" + zeros << 1 << "";
        QTest::newRow("UTF-16 byte-order mark") << utf16le(zeros + "\r\n" + zeros) << 2 << "";
        QTest::newRow("import layout 9*9") << grid([](const QByteArray &row, int) { return QByteArray(row).replace('.', '*') + "\n"; })
                                           << 1 << "";
        QTest::newRow("import layout With Candidates") << candidateGrid() << 1 << "";
        QTest::newRow("import rule 3") << "givens: " + withBlank('.') + " that is all" << 1 << "";

        // Near misses: nothing.
        QTest::newRow("80 cells") << withBlank('.').left(80) << 0 << "";
        QTest::newRow("82 cells") << withBlank('.') + "." << 0 << "";
        QTest::newRow("eight rows") << sdkRows().left(8 * 11) << 0 << "";
        QTest::newRow("words between rows") << sdkRows().left(4 * 11) + "page 2\n" + sdkRows().mid(4 * 11) << 0 << "";
        QTest::newRow("address of 80") << "?bd=" + zeros.left(80) << 0 << "";
        QTest::newRow("game ID, 80 cells") << gameId().chopped(1) + "g" << 0 << "";
        QTest::newRow("game ID, two-digit number") << "3x3:12" + gameId().mid(5) << 0 << "";
        QTest::newRow("game ID of a larger grid") << "4x3:" + gameId().mid(4) << 0 << "";
        QTest::newRow("library line, long code") << ":123456789:x:" + withBlank('.') + ":" << 0 << "";
        QTest::newRow("OpenSudoku, 80 cells") << "<game data=\"" + zeros.left(80) + "\"/>" << 0 << "";
        // Many digits, but not a nine-row grid: no candidate board.
        QTest::newRow("lines of 80") << (zeros.left(80) + "\n").repeated(5) << 0 << "";
        QTest::newRow("empty") << QByteArray() << 0 << "";
    }
    void readsEachFormat()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        QFETCH(QString, title);
        const QList<puzzlefile::Puzzle> found = readPuzzles(text);
        QCOMPARE(found.size(), count);
        for (const puzzlefile::Puzzle &p : found)
            QCOMPARE(p.givens, kGivens);
        if (count > 0)
            QCOMPARE(found.first().title, title);
    }

    void eachLineOfACollectionIsItsOwn()
    {
        QByteArray other = kGivens;
        other[80] = '9';
        const QList<puzzlefile::Puzzle> found = readPuzzles(kGivens + " first\n" + other + " second\n");
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[1].givens, other);
        QCOMPARE(found[1].title, QStringLiteral("second"));
        QCOMPARE(puzzlefile::givensCount(found[1]), 22);
        QCOMPARE(puzzlefile::puzzleString(found[0]), QString::fromLatin1(withBlank('*')));
    }

    void saysWhyAFileHoldsNoPuzzle_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank") << QByteArray(" \r\n\t\n") << "f.txt holds no puzzle: it is empty.";
        QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0", 6) << "f.txt holds no puzzle: it is not a text file.";
        QTest::newRow("words") << QByteArray("Dear Sudoku player,\n")
                               << "f.txt holds no puzzle: it has no line of 81 cells, no grid of nine rows of "
                                  "nine, no puzzle address (bd=), game ID, library line or OpenSudoku game.";
    }
    void saysWhyAFileHoldsNoPuzzle()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile file(dir.filePath("f.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        const puzzlefile::FileRead read = puzzlefile::readPuzzleFile(file.fileName(), QStringLiteral("f.txt"));
        QVERIFY(!read.ok());
        QCOMPARE(read.error, message);
    }

    void refusesWhatCannotBeRead()
    {
        QTemporaryDir dir;
        QCOMPARE(puzzlefile::readPuzzleFile(dir.path(), "d").error, QStringLiteral("d cannot be read: it is a folder."));
        QVERIFY(puzzlefile::readPuzzleFile(dir.filePath("none"), "n").error.startsWith("n cannot be read: "));
        // Sparse: over the limit without writing it.
        QFile big(dir.filePath("big.sdm"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(puzzlefile::kMaxFileBytes + 1));
        big.close();
        QCOMPARE(puzzlefile::readPuzzleFile(big.fileName(), "big.sdm").error,
                 QStringLiteral("big.sdm is larger than 64 MB and is not read."));
    }
};

QTEST_GUILESS_MAIN(TestPuzzleFile)
#include "test_puzzle_file.moc"
