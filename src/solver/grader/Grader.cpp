#include "solver/grader/Grader.h"

#include "solver/grader/Board.h"

#include <algorithm>

namespace grader {

QString Grade::line() const
{
    if (!proper)
        return QStringLiteral("x 0 -");
    const QString technique = level == kBeyond ? QStringLiteral("beyond") : techniqueName(hardest);
    return QStringLiteral("%1 %2 %3").arg(level).arg(score).arg(technique);
}

Grade gradeProper(const engine::Grid &puzzle, int ceilingLevel, engine::Grid *solved)
{
    Grade g;
    g.proper = true;
    for (std::uint8_t v : puzzle)
        g.givens += v != 0;
    Board board;
    if (!board.setPuzzle(puzzle)) {
        g.proper = false;
        return g;
    }
    constexpr int count = static_cast<int>(Technique::Count);
    while (board.empty > 0) {
        bool progress = false;
        for (int i = 0; i < count && !progress; ++i) {
            const Technique t = static_cast<Technique>(i);
            const TechniqueInfo &ti = info(t);
            if (ti.level > ceilingLevel)
                break;
            int extra = 0;
            if (!ti.apply(board, extra))
                continue;
            progress = true;
            ++g.steps;
            g.used |= std::uint32_t{1} << i;
            g.longestChain = std::max(g.longestChain, extra);
            g.score += ti.weight + extra;
            if (i > static_cast<int>(g.hardest))
                g.hardest = t;
        }
        // Out of techniques, or (never for a proper puzzle) a dead cell.
        if (!progress || !board.consistent()) {
            g.level = kBeyond;
            break;
        }
    }
    if (board.empty == 0) {
        const int top = info(g.hardest).level;
        g.level = top >= 2 ? top : (g.givens >= kVeryEasyGivens ? 0 : 1);
    }
    if (solved)
        for (std::size_t c = 0; c < 81; ++c)
            (*solved)[c] = board.value[c];
    return g;
}

Grade grade(const engine::Grid &puzzle)
{
    if (engine::count(puzzle, 2) != 1)
        return {};
    return gradeProper(puzzle);
}

Grade grade(const QString &puzzle81) { return grade(engine::parse(puzzle81)); }

} // namespace grader
