#include "solver/grader/ExplainSteps.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <tuple>

// The cheapest placement: the ladder runs as for the whole explanation,
// but at every stage each single the board offers is a candidate, costed
// by the steps it needs (a step is needed when the placement, or a needed
// later step, read a candidate it struck). The ladder goes on a few steps
// past its first placement, as a later step alone may open a cheaper one.
namespace grader::ladder {

namespace {

// Steps past the first stage with a placement, and the time they may
// take: the search stays within Next Step's 20 ms a position on all but
// the positions whose ladder alone takes longer (bench/explain_measures).
constexpr int kLookFurther = 3;
constexpr auto kLookFor = std::chrono::milliseconds(12);

struct Candidate {
    int cell = 0, digit = 0;
    Technique technique = Technique::HiddenSingle;
    Trace trace{};
    CandidateSet needs{};
    std::vector<int> kept{};          // the rungs it needs, in order
    std::tuple<int, int, int> cost{}; // steps, hardest technique, cell
};

// The rungs that struck a candidate the placement, or a kept later rung,
// read; each candidate was struck by one rung only, so dropping any kept
// rung leaves a read candidate in place.
std::vector<int> closure(const std::vector<Rung> &rungs, CandidateSet need)
{
    std::vector<int> kept;
    for (int j = static_cast<int>(rungs.size()) - 1; j >= 0; --j) {
        const Rung &r = rungs[static_cast<std::size_t>(j)];
        if ((r.struck & need).empty())
            continue;
        kept.push_back(j);
        need |= r.needs;
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// Every naked and hidden single of the board.
template <class F> void eachSingle(const Board &b, F f)
{
    for (int c = 0; c < 81; ++c) {
        const Mask m = b.cand[static_cast<std::size_t>(c)];
        if (m && !(m & (m - 1)))
            f(Technique::NakedSingle, SingleTrace{.cell = c, .digit = lowestDigit(m)});
    }
    for (int u = 0; u < 27; ++u)
        for (int d = 1; d <= 9; ++d) {
            const CellSet places = b.cellsWith(d) & tables().unitSet[static_cast<std::size_t>(u)];
            if (places.count() == 1)
                f(Technique::HiddenSingle, SingleTrace{.cell = places.first(), .digit = d, .unit = u});
        }
}

} // namespace

bool cheapest(const Board &start, const engine::Grid &solution, std::vector<ExplainStep> &steps)
{
    const CandidateSet startSet = candidatesOf(start);
    std::vector<Rung> rungs;
    Board board = start;
    std::optional<Candidate> best;
    const auto consider = [&](Technique t, const Trace &trace) {
        const auto &s = std::get<SingleTrace>(trace);
        if (solution[static_cast<std::size_t>(s.cell)] != s.digit)
            return;
        Candidate c{.cell = s.cell, .digit = s.digit, .technique = t, .trace = trace};
        c.needs = needs(t, trace, board, startSet);
        c.kept = closure(rungs, c.needs);
        int hardest = static_cast<int>(t);
        for (int j : c.kept)
            hardest = std::max(hardest, static_cast<int>(rungs[static_cast<std::size_t>(j)].step.technique));
        c.cost = {static_cast<int>(c.kept.size()) + 1, hardest, s.cell};
        if (!best || c.cost < best->cost)
            best = std::move(c);
    };
    int firstStage = -1;
    const auto began = std::chrono::steady_clock::now();
    for (int stage = 0;; ++stage) {
        eachSingle(board, consider);
        if (best && firstStage < 0)
            firstStage = stage;
        // One step (the placement alone) is as cheap as it gets.
        if (best && (best->kept.empty() || stage >= firstStage + kLookFurther
                     || std::chrono::steady_clock::now() - began > kLookFor))
            break;
        std::optional<Board> after;
        // The singles were all counted above; the ladder goes on from locked candidates.
        const Take v = climb(board, Technique::Pointing, solution,
                             [&](Technique t, ExplainStep step, const Trace &trace, const Board &next) {
                                 if (step.place) { // BUG+1: a candidate, not a step to build on
                                     consider(t, trace);
                                     return Take::Skip;
                                 }
                                 Rung r{.step = std::move(step), .trace = trace, .before = board};
                                 for (const CellDigit &cd : r.step.changes)
                                     r.struck.set(cd.cell, cd.digit);
                                 r.needs = needs(t, trace, board, startSet);
                                 rungs.push_back(std::move(r));
                                 after = next;
                                 return Take::Rung;
                             });
        if (v != Take::Rung)
            break;
        board = *after;
    }
    if (!best)
        return false;
    // Each kept step in the words of the board it now stands on.
    Board replay = start;
    for (int j : best->kept) {
        const Rung &r = rungs[static_cast<std::size_t>(j)];
        ExplainStep s = r.step;
        describe(s, r.trace, replay);
        s.premises = listOf(r.needs);
        for (const CellDigit &cd : s.changes)
            replay.remove(cd.cell, cd.digit);
        steps.push_back(std::move(s));
    }
    ExplainStep p;
    p.technique = best->technique;
    p.title = QString::fromLatin1(info(p.technique).title);
    p.place = true;
    p.changes = {{best->cell, best->digit}};
    describe(p, best->trace, replay);
    p.premises = listOf(best->needs);
    steps.push_back(std::move(p));
    return true;
}

} // namespace grader::ladder
