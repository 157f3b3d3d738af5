#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// One node of the search: the values and every empty cell's candidates as
// nine bits, with the deductions that every solution must agree with.
struct State {
    std::array<std::uint8_t, 81> value{};
    std::array<std::uint16_t, 81> cand{};
    int empty = 81;
    // Where the contradiction that failed a step showed: a cell left
    // without a candidate (0..80) or a unit without a place for a digit or
    // without a matching (81 + unit).
    int conflict = -1;

    State();
    // A branch copies the board; the pending list is empty between steps,
    // so it is not copied.
    State(const State &other)
        : value(other.value), cand(other.cand), empty(other.empty), unitPlaced(other.unitPlaced)
    {
    }
    State &operator=(const State &) = delete;

    // Places digit d (1..9) at cell i and strikes it from the peers.
    // False on a contradiction; the state is then unusable.
    bool place(int i, int d);

    // Naked and hidden singles and locked candidates (pointing and
    // claiming) until nothing changes. False on a contradiction: a cell
    // without candidates or a digit without a place in a unit.
    bool propagate();

    // False, with the unit in `conflict`, when some unit cannot give each
    // of its missing digits a cell of its own (Hall's condition, checked by
    // matching): a contradiction that singles and locked candidates miss,
    // such as five cells of a box left with four digits between them. Costs
    // more than a step of propagate(), so a count asks only once it has
    // searched for a while.
    bool matchable();

private:
    std::array<std::uint16_t, 27> unitPlaced{}; // digits placed in each unit
    // Cells left with one candidate. A cell is queued when it gets down to
    // one and again when it loses that one; the place() that empties a
    // cell fails, so 81 + 20 entries are the most there can be.
    std::array<std::uint8_t, 104> pending;
    int pendingCount = 0;

    bool strike(int i, std::uint16_t bits);
    bool placePending();
    int hiddenSingles();      // placements made, -1 on a contradiction
    int lockedCandidates();   // cells narrowed, -1 on a contradiction
};

} // namespace engine
