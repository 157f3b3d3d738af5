#include "solver/EngineState.h"

#include "solver/EngineTables.h"

#include <bit>

namespace engine {

namespace {
constexpr std::uint16_t kAll = 0x1FF;
}

State::State() { cand.fill(kAll); }

bool State::strike(int i, std::uint16_t bits)
{
    std::uint16_t &c = cand[static_cast<std::size_t>(i)];
    if (!(c & bits))
        return true;
    c = static_cast<std::uint16_t>(c & ~bits);
    if (c == 0) {
        conflict = i;
        return false;
    }
    if ((c & (c - 1)) == 0)
        pending[static_cast<std::size_t>(pendingCount++)] = static_cast<std::uint8_t>(i);
    return true;
}

bool State::place(int i, int d)
{
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
    if (!(cand[static_cast<std::size_t>(i)] & bit)) {
        conflict = i;
        return false;
    }
    const Tables &t = tables();
    value[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(d);
    cand[static_cast<std::size_t>(i)] = 0;
    --empty;
    for (std::uint8_t u : t.unitsOf[static_cast<std::size_t>(i)])
        unitPlaced[u] = static_cast<std::uint16_t>(unitPlaced[u] | bit);
    // The hot loop of the whole engine, without branches: placed cells
    // have no candidates, so they are never struck or queued.
    bool emptied = false;
    int queued = pendingCount;
    for (std::uint8_t p : t.peer[static_cast<std::size_t>(i)]) {
        const std::uint16_t c = cand[p];
        const std::uint16_t left = static_cast<std::uint16_t>(c & ~bit);
        cand[p] = left;
        const bool hit = c != left;
        emptied |= hit & (left == 0);
        pending[static_cast<std::size_t>(queued)] = p;
        queued += hit & ((left & (left - 1)) == 0);
    }
    pendingCount = queued;
    if (emptied)
        for (std::uint8_t p : t.peer[static_cast<std::size_t>(i)])
            if (!value[p] && !cand[p])
                conflict = p;
    return !emptied;
}

bool State::placePending()
{
    while (pendingCount > 0) {
        const int i = pending[static_cast<std::size_t>(--pendingCount)];
        if (value[static_cast<std::size_t>(i)])
            continue;
        const std::uint16_t c = cand[static_cast<std::size_t>(i)];
        if (!place(i, std::countr_zero(c) + 1))
            return false;
    }
    return true;
}

int State::hiddenSingles()
{
    int placed = 0;
    const Tables &t = tables();
    for (std::size_t k = 0; k < 27; ++k) {
        const auto &u = t.unit[k];
        std::uint16_t once = 0, twice = 0;
        for (std::uint8_t i : u) {
            const std::uint16_t c = cand[i];
            twice |= once & c;
            once |= c;
        }
        const std::uint16_t filled = unitPlaced[k];
        if ((once | filled) != kAll) {
            conflict = 81 + static_cast<int>(k);
            return -1;
        }
        std::uint16_t single = static_cast<std::uint16_t>(once & ~twice & ~filled);
        while (single) {
            const std::uint16_t bit = static_cast<std::uint16_t>(single & -single);
            single = static_cast<std::uint16_t>(single & (single - 1));
            for (std::uint8_t i : u)
                if (cand[i] & bit) {
                    // An earlier placement in this unit may have taken the
                    // cell's only other place already; place() checks.
                    if (!place(i, std::countr_zero(bit) + 1) || !placePending())
                        return -1;
                    ++placed;
                    break;
                }
        }
    }
    return placed;
}

int State::lockedCandidates()
{
    const Tables &t = tables();
    int narrowed = 0;
    // Segment s: the three cells where line l (rows 0..8, columns 9..17)
    // crosses box b.
    std::array<std::uint16_t, 54> seg{};
    for (int s = 0; s < 54; ++s) {
        const auto &cells = t.segment[static_cast<std::size_t>(s)].cells;
        seg[static_cast<std::size_t>(s)] = static_cast<std::uint16_t>(cand[cells[0]] | cand[cells[1]] | cand[cells[2]]);
    }
    for (int s = 0; s < 54; ++s) {
        const Tables::Segment &g = t.segment[static_cast<std::size_t>(s)];
        const std::uint16_t here = seg[static_cast<std::size_t>(s)];
        if (!here)
            continue;
        const std::uint16_t restOfLine = static_cast<std::uint16_t>(seg[g.lineSiblings[0]] | seg[g.lineSiblings[1]]);
        const std::uint16_t restOfBox = static_cast<std::uint16_t>(seg[g.boxSiblings[0]] | seg[g.boxSiblings[1]]);
        // Claiming: in this line the digit lives only here, so not in the
        // rest of the box; pointing: the other way round.
        const std::uint16_t claim = static_cast<std::uint16_t>(here & ~restOfLine & restOfBox);
        const std::uint16_t point = static_cast<std::uint16_t>(here & ~restOfBox & restOfLine);
        if (claim)
            for (std::uint8_t i : g.boxRest)
                if (cand[i] & claim) {
                    if (!strike(i, claim))
                        return -1;
                    ++narrowed;
                }
        if (point)
            for (std::uint8_t i : g.lineRest)
                if (cand[i] & point) {
                    if (!strike(i, point))
                        return -1;
                    ++narrowed;
                }
    }
    // Masks taken before a strike in this pass hold more than the cells
    // do now; that only hides deductions, it never makes a wrong one.
    return narrowed;
}

namespace {

// The cells of one unit and the digit each is matched to so far.
struct Matching {
    std::array<std::uint16_t, 9> cand{};
    std::array<std::int8_t, 9> owner{}; // per digit: the cell holding it, -1 none

    // Kuhn's augmenting path from cell j over digits not yet seen.
    bool augment(int j, std::uint16_t &seen)
    {
        std::uint16_t free = static_cast<std::uint16_t>(cand[static_cast<std::size_t>(j)] & ~seen);
        while (free) {
            const int d = std::countr_zero(free);
            free = static_cast<std::uint16_t>(free & (free - 1));
            seen = static_cast<std::uint16_t>(seen | (1u << d));
            std::int8_t &o = owner[static_cast<std::size_t>(d)];
            if (o < 0 || augment(o, seen)) {
                o = static_cast<std::int8_t>(j);
                return true;
            }
        }
        return false;
    }
};

} // namespace

bool State::matchable()
{
    const Tables &t = tables();
    for (int k = 0; k < 27; ++k) {
        const auto &u = t.unit[static_cast<std::size_t>(k)];
        Matching m;
        m.owner.fill(-1);
        for (std::size_t j = 0; j < 9; ++j)
            m.cand[j] = cand[u[j]];
        // Placed cells have no candidates and need no digit.
        for (int j = 0; j < 9; ++j) {
            std::uint16_t seen = 0;
            if (m.cand[static_cast<std::size_t>(j)] && !m.augment(j, seen)) {
                conflict = 81 + k;
                return false;
            }
        }
    }
    return true;
}

bool State::propagate()
{
    for (;;) {
        if (!placePending())
            return false;
        if (empty == 0)
            return true;
        const int hidden = hiddenSingles();
        if (hidden < 0)
            return false;
        if (hidden > 0)
            continue;
        const int locked = lockedCandidates();
        if (locked < 0)
            return false;
        if (locked == 0)
            return true;
    }
}

} // namespace engine
