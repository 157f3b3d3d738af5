#pragma once

// Crafted candidate positions for the technique tests: every cell open
// with all nine candidates, then cut down to the pattern under test.
#include "solver/grader/Board.h"

#include <initializer_list>
#include <utility>

namespace crafted {

using grader::Board;

inline int at(int row, int col) { return row * 9 + col; }

inline Board open()
{
    Board b;
    b.value.fill(0);
    b.cand.fill(0x1FF);
    b.empty = 81;
    return b;
}

// The cell's candidates, as a list of digits.
inline void cands(Board &b, int cell, std::initializer_list<int> digits)
{
    grader::Mask m = 0;
    for (int d : digits)
        m |= grader::bit(d);
    b.cand[static_cast<std::size_t>(cell)] = m;
}

// Digit d stays in unit u (0..8 rows, 9..17 columns, 18..26 boxes) only at
// the listed cells.
inline void only(Board &b, int d, int unit, std::initializer_list<int> keep)
{
    for (std::uint8_t c : grader::tables().unitCells[static_cast<std::size_t>(unit)]) {
        bool kept = false;
        for (int k : keep)
            kept |= k == c;
        if (!kept)
            b.remove(c, d);
    }
}

inline int row(int r) { return r; }
inline int col(int c) { return 9 + c; }
inline int box(int x) { return 18 + x; }

} // namespace crafted
