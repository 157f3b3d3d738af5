#include "solver/EngineSearch.h"

#include "solver/EngineTables.h"

#include <algorithm>
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

// Contradictions met so far at each cell (a unit's count goes to each of
// its cells).
using Weights = std::array<std::uint32_t, 81>;

// Where to branch: the candidates of a cell, or the places of a digit in
// a unit. Either way the branches share no solution and miss none.
struct Branch {
    int cell = -1; // -1: the digit's places in the unit
    int unit = 0;
    std::uint16_t digit = 0;
    int choices = 10;
    std::uint32_t weight = 0;

    // Fewer choices per contradiction met there (choices / (1 + weight)).
    bool beats(const Branch &other) const
    {
        return choices * (1 + static_cast<std::uint64_t>(other.weight)) <
               other.choices * (1 + static_cast<std::uint64_t>(weight));
    }
};

// The fewest choices, weighed by the contradictions met at the cells
// concerned, so that the search turns to the part of the board that keeps
// failing (a branch that does not touch it only repeats the same failure
// under each of its choices). A digit of a unit is taken only when it has
// fewer places than the cell has candidates: on sparse boards cells keep
// four or more candidates long after some digit is down to two places.
Branch choose(const State &s, const Weights &w, bool weighed)
{
    Branch b;
    // Before the first contradiction no cell beats one with two candidates.
    for (int k = 0; k < 81 && (weighed || b.choices > 2); ++k) {
        const int n = kCandidates[s.cand[static_cast<std::size_t>(k)]];
        const Branch here{k, 0, 0, n, w[static_cast<std::size_t>(k)]};
        if (n && (b.cell < 0 || here.beats(b)))
            b = here;
    }
    if (b.choices <= 2)
        return b;
    const Tables &t = tables();
    for (int u = 0; u < 27; ++u) {
        // A digit's places in the unit counted up to four, bit-sliced.
        std::uint16_t one = 0, two = 0, three = 0, four = 0;
        for (std::uint8_t i : t.unit[static_cast<std::size_t>(u)]) {
            const std::uint16_t c = s.cand[i];
            four = static_cast<std::uint16_t>(four | (three & c));
            three = static_cast<std::uint16_t>(three | (two & c));
            two = static_cast<std::uint16_t>(two | (one & c));
            one = static_cast<std::uint16_t>(one | c);
        }
        const std::uint16_t exactlyTwo = static_cast<std::uint16_t>(two & ~three);
        const std::uint16_t exactlyThree = static_cast<std::uint16_t>(three & ~four);
        const std::uint16_t few = exactlyTwo ? exactlyTwo : b.choices > 3 ? exactlyThree : 0;
        if (!few)
            continue;
        Branch here{-1, u, static_cast<std::uint16_t>(few & -few), exactlyTwo ? 2 : 3, 0};
        for (std::uint8_t i : t.unit[static_cast<std::size_t>(u)])
            if (s.cand[i] & here.digit)
                here.weight = std::max(here.weight, w[i]);
        if (here.choices < b.choices && here.beats(b))
            b = here;
    }
    return b;
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
        if (s.empty == 0) {
            if (result.count == 0)
                result.first = s.value;
            else if (result.count == 1)
                result.second = s.value;
            return ++result.count >= limit;
        }
        const Branch b = choose(s, weight, weighed);
        if (b.cell >= 0) {
            std::uint16_t c = s.cand[static_cast<std::size_t>(b.cell)];
            while (c) {
                const int d = std::countr_zero(c) + 1;
                c = static_cast<std::uint16_t>(c & (c - 1));
                if (branch(s, b.cell, d))
                    return true;
            }
            return false;
        }
        const int d = std::countr_zero(b.digit) + 1;
        for (std::uint8_t i : tables().unit[static_cast<std::size_t>(b.unit)])
            if ((s.cand[i] & b.digit) && branch(s, i, d))
                return true;
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
        if (s.empty == 0) {
            if (result.count == 0)
                result.first = s.value;
            else if (result.count == 1)
                result.second = s.value;
            return ++result.count >= limit;
        }
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
