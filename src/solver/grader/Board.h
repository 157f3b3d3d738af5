#pragma once

#include "base/Geometry.h"
#include "solver/Engine.h"
#include "solver/grader/CellSet.h"

#include <array>
#include <cstdint>

namespace grader {

using Mask = std::uint16_t; // candidate digits, bit d-1 for digit d

constexpr Mask bit(int d) { return static_cast<Mask>(1u << (d - 1)); }
inline int popcount(Mask m) { return std::popcount(static_cast<unsigned>(m)); }
inline int lowestDigit(Mask m) { return std::countr_zero(static_cast<unsigned>(m)) + 1; }

template <class F> void forEachDigit(Mask m, F f)
{
    for (unsigned w = m; w; w &= w - 1)
        f(std::countr_zero(w) + 1);
}

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
struct Tables {
    std::array<std::array<std::uint8_t, 9>, 27> unitCells{};
    std::array<CellSet, 27> unitSet{};
    std::array<std::array<std::uint8_t, 3>, 81> unitsOf{}; // row, column, box unit
    std::array<CellSet, 81> peerSet{};
    Tables();
};
const Tables &tables();

using geometry::boxOf;
using geometry::colOf;
using geometry::rowOf;
inline bool sees(int a, int b) { return a != b && tables().peerSet[static_cast<std::size_t>(a)].test(b); }
// Cells that see every cell of the set (the set's own cells excluded).
CellSet commonPeers(const CellSet &cells);

// What a technique used, by role (Trace.h).
struct Trace;

// A position under logical solving: placed values and the candidates of
// every open cell.
class Board {
public:
    std::array<std::uint8_t, 81> value{};
    std::array<Mask, 81> cand{};
    int empty = 81;
    Trace *trace = nullptr;

    // Givens and the candidates they leave; false when givens clash.
    bool setPuzzle(const engine::Grid &givens);

    void place(int cell, int d);
    // Strikes d from the cell's candidates; true when it was there.
    bool remove(int cell, int d);
    // Strikes d from every listed cell; true when any was there.
    bool removeFrom(const CellSet &cells, int d);
    bool has(int cell, int d) const { return (cand[static_cast<std::size_t>(cell)] & bit(d)) != 0; }

    // Open cells holding candidate d.
    CellSet cellsWith(int d) const;
    CellSet openCells() const;
    // False when an open cell has no candidate left.
    bool consistent() const;
};

} // namespace grader
