// Seeded random and mutated texts through the import reader: a fixed count
// of cases, so the run takes the same work every time.
#include "ExchangeBoards.h"
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"

#include <QtTest>

namespace {

#ifdef NODALA_SANITIZED
constexpr int kCases = 1000;
#else
constexpr int kCases = 4000;
#endif

// The rule chosen, computed the plain way.
int literalRule(const QString &text)
{
    if (text.size() == 81)
        return 1;
    QString solid, digits, cellChars;
    for (QChar ch : text) {
        if (ch.unicode() > 32)
            solid += ch;
        if (ch >= '1' && ch <= '9')
            digits += ch;
        if ((ch >= '1' && ch <= '9') || ch == '.')
            cellChars += ch;
    }
    return solid.size() == 81 ? 2 : digits.size() >= 82 ? 4 : cellChars.size() == 81 ? 3 : 0;
}

QString randomText(std::mt19937 &rng)
{
    const int length = static_cast<int>(rng() % 400);
    QString text;
    switch (rng() % 3) {
    case 0: // any byte, NUL included
        for (int i = 0; i < length; ++i)
            text += QChar(static_cast<char16_t>(rng() % 256));
        break;
    case 1: { // the characters that matter, and frames
        static const QString alphabet = QStringLiteral("123456789.0*|-+ \t\r\nx");
        for (int i = 0; i < length; ++i)
            text += alphabet.at(static_cast<int>(rng() % alphabet.size()));
        break;
    }
    default: { // a written layout, then mutated
        const OwnedGrid board = exchangetest::randomBoard(rng);
        text = copylayouts::layoutLines(copylayouts::CopyLayout(rng() % 4), board.grid()).join('\n');
        for (unsigned m = rng() % 6; m > 0 && !text.isEmpty(); --m) {
            const int at = static_cast<int>(rng() % text.size());
            switch (rng() % 3) {
            case 0:
                text[at] = QChar(static_cast<char16_t>(rng() % 128));
                break;
            case 1:
                text.remove(at, 1 + static_cast<int>(rng() % 20));
                break;
            default:
                text.insert(at, text.mid(at, static_cast<int>(rng() % 120)));
            }
        }
    }
    }
    return text;
}

bool onlyCellChars(const QString &s)
{
    for (QChar ch : s)
        if (!((ch >= '1' && ch <= '9') || ch == '.'))
            return false;
    return true;
}

} // namespace

class TestImportFuzz : public QObject {
    Q_OBJECT

private slots:
    void anyTextGivesAWholeBoardOrNothing()
    {
        std::mt19937 rng(7771u);
        for (int n = 0; n < kCases; ++n) {
            const QString text = randomText(rng);
            const importreader::ImportResult result = importreader::readImport(text);
            QCOMPARE(result.rule, literalRule(text));
            if (!result.valid())
                continue;
            const CellGrid &g = result.cells.grid();
            for (int i = 0; i < 81; ++i) {
                const CellData &cell = g[i];
                if (cell.state == stBigNumber) {
                    QVERIFY(cell.value.size() == 1 && cell.value[0] >= '1' && cell.value[0] <= '9');
                } else {
                    QCOMPARE(cell.state, int(stCandidates));
                    if (result.rule == 4)
                        QVERIFY(onlyCellChars(cell.value) && cell.value.size() != 1);
                    else
                        QCOMPARE(cell.value, boardlogic::candidatesOf(g, i / 9 + 1, i % 9 + 1));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "test_import_fuzz.moc"
