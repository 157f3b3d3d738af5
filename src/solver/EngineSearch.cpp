#include "solver/EngineSearch.h"

#include "solver/EngineTables.h"

#include <bit>

namespace engine {

namespace {

// Candidates per mask. Without a popcount instruction in the baseline
// target, std::popcount is a library call; this table is one load.
constexpr std::array<std::uint8_t, 512> kCandidates = [] {
    std::array<std::uint8_t, 512> t{};
    for (std::size_t m = 1; m < t.size(); ++m)
        t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1));
    return t;
}();

// Keeps the first two solutions found and counts them all; true once the
// limit is reached.
inline bool record(Result &result, const Grid &solution, int limit)
{
    if (result.count == 0)
        result.first = solution;
    else if (result.count == 1)
        result.second = solution;
    return ++result.count >= limit;
}

// Contradictions met so far at each cell (a unit's count goes to each of
// its cells).
using Weights = std::array<std::uint32_t, 81>;

// The cell with the fewest candidates per contradiction met there,
// n / (1 + weight), so that the search turns to the part of the board that
// keeps failing: a branch elsewhere only repeats the same failure under
// each of its candidates. Before the first contradiction that is the first
// cell with the fewest candidates.
int choose(const State &s, const Weights &w, bool weighed)
{
    int best = -1;
    std::uint64_t bestN = 10, bestW = 0;
    for (int k = 0; k < 81 && (weighed || bestN > 2); ++k) {
        const std::uint64_t n = kCandidates[s.cand[static_cast<std::size_t>(k)]];
        const std::uint64_t weight = w[static_cast<std::size_t>(k)];
        if (n && n * (1 + bestW) < bestN * (1 + weight)) {
            best = k;
            bestN = n;
            bestW = weight;
        }
    }
    return best;
}

// Nodes a count visits before it also checks every unit's matching. Most
// searches end well before; one that gets this far has likely guessed
// into a tree with no solution that propagation cannot see through.
constexpr long kMatchAfter = 256;

struct Counting {
    int limit;
    Result result;
    long nodes = 0;
    Weights weight{};
    bool weighed = false;

    // True once the limit is reached.
    bool run(State &s)
    {
        if (++nodes > kMatchAfter && !s.matchable()) {
            blame(s.conflict);
            return false;
        }
        if (s.empty == 0)
            return record(result, s.value, limit);
        const int i = choose(s, weight, weighed);
        std::uint16_t c = s.cand[static_cast<std::size_t>(i)];
        while (c) {
            const int d = std::countr_zero(c) + 1;
            c = static_cast<std::uint16_t>(c & (c - 1));
            if (branch(s, i, d))
                return true;
        }
        return false;
    }

    bool branch(const State &s, int cell, int d)
    {
        State next = s;
        if (next.place(cell, d) && next.propagate())
            return run(next);
        blame(next.conflict);
        return false;
    }

    void blame(int conflict)
    {
        if (conflict < 0)
            return;
        weighed = true;
        if (conflict < 81) {
            ++weight[static_cast<std::size_t>(conflict)];
            return;
        }
        for (std::uint8_t i : tables().unit[static_cast<std::size_t>(conflict - 81)])
            ++weight[i];
    }
};

// Nodes the ordered search may visit on its own before it starts over
// asking countFrom() at every branch. Most puzzles finish well within it,
// faster than with the counts.
constexpr long kPlainNodes = 256;

struct Ordered {
    int limit;
    long budget; // nodes left before giving up; unlimited when pruned
    bool pruned;
    Result result;
    bool gaveUp = false;

    // `witness` is a solution below s when pruned. True once the limit is
    // reached or the budget is spent.
    bool run(const State &s, const Grid &witness)
    {
        if (!pruned && --budget < 0) {
            gaveUp = true;
            return true;
        }
        if (s.empty == 0)
            return record(result, s.value, limit);
        int i = 0;
        while (s.value[static_cast<std::size_t>(i)])
            ++i;
        std::uint16_t c = s.cand[static_cast<std::size_t>(i)];
        while (c) {
            const int d = std::countr_zero(c) + 1;
            c = static_cast<std::uint16_t>(c & (c - 1));
            State next = s;
            if (!next.place(i, d) || !next.propagate())
                continue;
            // The witness's own branch needs no count; every other one is
            // entered only with a solution of its own to follow.
            if (!pruned || witness[static_cast<std::size_t>(i)] == d) {
                if (run(next, witness))
                    return true;
                continue;
            }
            const Result found = countFrom(next, 1);
            if (found.count && run(next, found.first))
                return true;
        }
        return false;
    }
};

} // namespace

Result countFrom(const State &s, int limit)
{
    Counting search{limit < 1 ? 1 : limit, {}};
    State root = s;
    search.run(root);
    return search.result;
}

Result orderedFrom(const State &s, int limit)
{
    limit = limit < 1 ? 1 : limit;
    Ordered plain{limit, kPlainNodes, false, {}};
    plain.run(s, Grid{});
    if (!plain.gaveUp)
        return plain.result;
    const Result found = countFrom(s, 1);
    if (!found.count)
        return found;
    Ordered pruned{limit, 0, true, {}};
    pruned.run(s, found.first);
    return pruned.result;
}

} // namespace engine
