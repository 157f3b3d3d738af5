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

// Where to branch: the candidates of a cell, or the places of a digit in
// a unit. Either way the branches share no solution and miss none.
struct Branch {
    int cell = -1; // -1: the digit's places in the unit
    int unit = 0;
    std::uint16_t digit = 0;
    int choices = 10;
};

// The fewest choices, a cell before a unit on a tie. On sparse boards the
// cells keep four or more candidates long after some digit is down to two
// places in a unit; branching on the cell alone then splits the board too
// weakly and can spend seconds under one wrong guess.
Branch choose(const State &s)
{
    Branch b;
    for (int k = 0; k < 81 && b.choices > 2; ++k) {
        const int n = kCandidates[s.cand[static_cast<std::size_t>(k)]];
        if (n && n < b.choices) {
            b.choices = n;
            b.cell = k;
        }
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
        if (exactlyTwo)
            return {-1, u, static_cast<std::uint16_t>(exactlyTwo & -exactlyTwo), 2};
        if (exactlyThree && b.choices > 3)
            b = {-1, u, static_cast<std::uint16_t>(exactlyThree & -exactlyThree), 3};
    }
    return b;
}

// Nodes a count visits before it also checks every unit's matching. Most
// searches end well before; one that gets this far has likely guessed
// into a tree with no solution that propagation cannot see through.
constexpr long kMatchAfter = 64;

struct Counting {
    int limit;
    Result result;
    long nodes = 0;

    // True once the limit is reached.
    bool run(const State &s)
    {
        if (++nodes > kMatchAfter && !s.matchable())
            return false;
        if (s.empty == 0) {
            if (result.count == 0)
                result.first = s.value;
            else if (result.count == 1)
                result.second = s.value;
            return ++result.count >= limit;
        }
        const Branch b = choose(s);
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
        return next.place(cell, d) && next.propagate() && run(next);
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
    search.run(s);
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
