// Random boards through the four layouts and back, and seeded random and
// mutated texts through the reader: a fixed count of cases, no clock.
#include "board/BoardLogic.h"
#include "exchange/CopyLayouts.h"
#include "exchange/ImportReader.h"
#include "records/Ufrmstep.h"

#include <QtTest>

#include <random>
#include <utility>

using namespace copylayouts;

namespace {

#ifdef NODALA_SANITIZED
constexpr int kCases = 600;
#else
constexpr int kCases = 3000;
#endif

// Raw mt19937 draws only, so every standard library makes the same cases.
unsigned draw(std::mt19937 &rng, unsigned n) { return static_cast<unsigned>(rng() % n); }

// A third digits (clashes allowed), some empty cells, the rest 2..9
// candidates in any order.
OwnedGrid randomBoard(std::mt19937 &rng)
{
    OwnedGrid board;
    for (int i = 0; i < 81; ++i) {
        QString digits = QStringLiteral("123456789");
        const unsigned kind = draw(rng, 10);
        const int keep = kind < 3 ? 1 : kind == 3 ? 0 : 2 + static_cast<int>(draw(rng, 8));
        for (int k = 0; k < keep; ++k)
            std::swap(digits[k], digits[k + static_cast<int>(draw(rng, 9 - k))]);
        board.at(i / 9 + 1, i % 9 + 1).value = digits.left(keep);
    }
    return board;
}

// What the reader gives back: one-character values as entered numbers, the
// rest as candidate cells, computed from those numbers or kept as written.
OwnedGrid expectedRead(const CellGrid &written, bool keepCandidates)
{
    OwnedGrid out;
    for (int i = 0; i < 81; ++i) {
        const bool digit = written[i].value.size() == 1;
        out.grid()[i].state = digit ? stBigNumber : stCandidates;
        out.grid()[i].value = digit || keepCandidates ? written[i].value : QString();
    }
    for (int i = 0; i < 81 && !keepCandidates; ++i)
        if (out.grid()[i].state == stCandidates)
            out.grid()[i].value = boardlogic::candidatesOf(out.grid(), i / 9 + 1, i % 9 + 1);
    return out;
}

int literalRule(const QString &text)
{
    const auto count = [&](auto keep) { return std::count_if(text.begin(), text.end(), keep); };
    const auto digit = [](QChar ch) { return ch >= '1' && ch <= '9'; };
    return text.size() == 81                                         ? 1
        : count([](QChar ch) { return ch.unicode() > 32; }) == 81 ? 2
        : count(digit) >= 82                                        ? 4
        : count([&](QChar ch) { return digit(ch) || ch == '.'; }) == 81 ? 3
                                                                        : 0;
}

QString randomText(std::mt19937 &rng)
{
    static const QString alphabet = QStringLiteral("123456789.0*|-+ \t\r\nx");
    QString text;
    const unsigned kind = draw(rng, 3);
    if (kind == 2)
        text = layoutLines(CopyLayout(draw(rng, 4)), randomBoard(rng).grid()).join('\n');
    else
        for (unsigned i = draw(rng, 400); i > 0; --i) // any byte, NUL included; or the characters that count
            text += kind == 0 ? QChar(static_cast<char16_t>(draw(rng, 256))) : alphabet[draw(rng, alphabet.size())];
    for (unsigned m = draw(rng, 6); m > 0 && !text.isEmpty(); --m) {
        const int at = static_cast<int>(draw(rng, text.size()));
        const unsigned how = draw(rng, 3);
        if (how == 0)
            text[at] = QChar(static_cast<char16_t>(draw(rng, 128)));
        else if (how == 1)
            text.remove(at, 1 + draw(rng, 20));
        else
            text.insert(at, text.mid(at, draw(rng, 120)));
    }
    return text;
}

} // namespace

Q_DECLARE_METATYPE(copylayouts::CopyLayout)

class TestImportFuzz : public QObject {
    Q_OBJECT

private slots:
    // Copy, then paste into the import dialog: the same cells come back.
    void readsBackWhatWasWritten_data()
    {
        QTest::addColumn<CopyLayout>("layout");
        QTest::addColumn<int>("rule");
        QTest::newRow("1*81") << OneBy81 << 1;
        QTest::newRow("9*9") << NineByNine << 2;
        QTest::newRow("No Candidate") << NoCandidate << 3;
        QTest::newRow("With Candidates") << WithCandidates << 4;
    }
    void readsBackWhatWasWritten()
    {
        QFETCH(CopyLayout, layout);
        QFETCH(int, rule);
        std::mt19937 rng(1000u + static_cast<unsigned>(layout));
        for (int n = 0; n < kCases / 10; ++n) {
            const OwnedGrid board = randomBoard(rng);
            const QString text = layoutLines(layout, board.grid()).join(n % 2 ? "\r\n" : "\n");
            const importreader::ImportResult read = importreader::readImport(text);
            QCOMPARE(read.rule, rule);
            QCOMPARE(BoardToStepLine(read.cells.grid()), BoardToStepLine(expectedRead(board.grid(), rule == 4).grid()));
        }
    }

    void anyTextGivesAWholeBoardOrNothing()
    {
        std::mt19937 rng(7771u);
        const QRegularExpression cellText(QStringLiteral("^[1-9]*$"));
        for (int n = 0; n < kCases; ++n) {
            const QString text = randomText(rng);
            const importreader::ImportResult result = importreader::readImport(text);
            QCOMPARE(result.rule, literalRule(text));
            const CellGrid &g = result.cells.grid();
            for (int i = 0; i < 81 && result.valid(); ++i) {
                const QString &v = g[i].value;
                if (g[i].state == stBigNumber)
                    QVERIFY(v.size() == 1 && v[0] >= '1' && v[0] <= '9');
                else if (result.rule == 4)
                    QVERIFY(cellText.match(v).hasMatch());
                else
                    QCOMPARE(v, boardlogic::candidatesOf(g, i / 9 + 1, i % 9 + 1));
                QVERIFY(g[i].state == stBigNumber || g[i].state == stCandidates);
            }
            // A game started from it is saved in a record that reads back.
            if (result.valid())
                QVERIFY_THROWS_NO_EXCEPTION(CheckStepLine(BoardToStepLine(g)));
        }
    }
};

QTEST_GUILESS_MAIN(TestImportFuzz)
#include "test_import_fuzz.moc"
