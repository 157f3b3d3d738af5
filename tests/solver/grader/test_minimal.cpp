// The minimal explanation along whole solving paths: every step true to
// the solution, the placement a single once the kept steps are made, each
// kept step standing on the ones before it, and none of them spare.
#include "LadderPuzzles.h"
#include "puzzle/Ufrmtk.h"
#include "solver/Engine.h"
#include "solver/grader/Board.h"
#include "solver/grader/Explain.h"

#include <QtTest>

#include <vector>

using grader::ExplainScope;
using grader::ExplainState;
using grader::ExplainStep;

Q_DECLARE_METATYPE(std::vector<engine::Grid>)

namespace {

#ifdef NODALA_SANITIZED
constexpr int kBankStride = 100;
#else
constexpr int kBankStride = 10;
#endif

// About 16 lines of the Next Step window.
constexpr qsizetype kChainText = 480;

// The placement is a naked or a hidden single on the board.
bool single(const grader::Board &b, grader::CellDigit p)
{
    if (b.cand[static_cast<std::size_t>(p.cell)] == grader::bit(p.digit))
        return true;
    for (std::uint8_t u : grader::tables().unitsOf[static_cast<std::size_t>(p.cell)])
        if ((b.cellsWith(p.digit) & grader::tables().unitSet[u]).count() == 1 && b.has(p.cell, p.digit))
            return true;
    return false;
}

// Makes the removal steps but `skip` in order, each only while every
// candidate it read as gone is gone; true when the placement is then a
// single. `made` counts the steps made.
bool justified(const engine::Grid &placed, const std::vector<ExplainStep> &steps, std::size_t skip, int &made)
{
    grader::Board b;
    b.setPuzzle(placed);
    made = 0;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        bool stands = i != skip;
        for (const grader::CellDigit &cd : steps[i].premises)
            stands &= !b.has(cd.cell, cd.digit);
        if (!stands)
            continue;
        ++made;
        for (const grader::CellDigit &cd : steps[i].changes)
            b.remove(cd.cell, cd.digit);
    }
    for (const grader::CellDigit &cd : steps.back().premises)
        if (b.has(cd.cell, cd.digit))
            return false;
    // BUG+1 is no single: its premises (the whole board) are all it needs.
    return steps.back().technique == grader::Technique::BugPlusOne || single(b, steps.back().changes.front());
}

} // namespace

class TestMinimal : public QObject {
    Q_OBJECT
private slots:
    void everyExplanationIsMinimalAndSound_data()
    {
        QTest::addColumn<std::vector<engine::Grid>>("puzzles");
        for (int level : {3, 4}) {
            std::vector<engine::Grid> puzzles;
            const QStringList bank = Tfrmtk::builtInLevel(level);
            for (qsizetype i = 0; i < bank.size(); i += kBankStride)
                puzzles.push_back(engine::parse(bank.at(i)));
            QTest::addRow("bank level %d", level) << puzzles;
        }
        std::vector<engine::Grid> ladder;
        for (const char *p : kLadder)
            ladder.push_back(engine::parse(p, 81));
        QTest::newRow("one per technique") << ladder;
    }
    void everyExplanationIsMinimalAndSound()
    {
        QFETCH(std::vector<engine::Grid>, puzzles);
        int shorter = 0;
        for (engine::Grid g : puzzles) {
            const std::optional<engine::Grid> solution = engine::uniqueSolution(g);
            QVERIFY(solution);
            for (;;) {
                const grader::Explanation e = grader::explainNext(g, &*solution, ExplainScope::Minimal);
                if (e.state != ExplainState::Steps)
                    break;
                const grader::Explanation all = grader::explainNext(g, &*solution, ExplainScope::All);
                const std::vector<ExplainStep> &steps = e.steps;
                const QString what = engine::toString(g);
                QVERIFY2(steps.back().place && steps.size() <= all.steps.size(), qPrintable(what));
                shorter += steps.size() < all.steps.size();
                for (const ExplainStep &s : steps) {
                    // A chain of up to eight links, or a Medusa of up to nine candidates,
                    // reads in the window without scrolling.
                    const bool medusa = s.technique == grader::Technique::Medusa3D;
                    if (s.technique >= grader::Technique::XCycle
                        && (medusa ? s.text.count(QLatin1Char('=')) <= 9 : s.text.count(QChar(0x2014)) <= 8))
                        QVERIFY2(s.text.size() <= kChainText, qPrintable(s.text));
                    for (const grader::CellDigit &cd : s.changes)
                        QVERIFY2(((*solution)[static_cast<std::size_t>(cd.cell)] == cd.digit) == s.place,
                                 qPrintable(what + ' ' + s.toolLine()));
                }
                int made = 0;
                QVERIFY2(justified(g, steps, steps.size(), made) && made + 1 == static_cast<int>(steps.size()),
                         qPrintable(what));
                for (std::size_t i = 0; i + 1 < steps.size(); ++i)
                    QVERIFY2(!justified(g, steps, i, made), qPrintable(what + " spare: " + steps[i].toolLine()));
                const grader::CellDigit p = steps.back().changes.front();
                g[static_cast<std::size_t>(p.cell)] = static_cast<std::uint8_t>(p.digit);
            }
        }
        QVERIFY(shorter > 0);
    }
};

QTEST_MAIN(TestMinimal)
#include "test_minimal.moc"
