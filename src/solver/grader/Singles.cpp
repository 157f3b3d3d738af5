#include "solver/grader/Board.h"
#include "solver/grader/Techniques.h"

namespace grader {

// A digit with one place left in a unit. Boxes first: cross-hatching a box
// is what players spot soonest.
bool hiddenSingle(Board &b, int &)
{
    static constexpr int order[] = {18, 19, 20, 21, 22, 23, 24, 25, 26, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                                    9,  10, 11, 12, 13, 14, 15, 16, 17};
    for (int u : order) {
        const auto &cells = tables().unitCells[static_cast<std::size_t>(u)];
        Mask once = 0, twice = 0;
        for (std::uint8_t c : cells) {
            twice |= once & b.cand[c];
            once |= b.cand[c];
        }
        const Mask single = static_cast<Mask>(once & ~twice);
        if (!single)
            continue;
        const int d = lowestDigit(single);
        for (std::uint8_t c : cells)
            if (b.has(c, d)) {
                if (b.trace)
                    *b.trace = {0, {c}, {}, {u}, {d}, {}};
                b.place(c, d);
                return true;
            }
    }
    return false;
}

// An open cell with one candidate left.
bool nakedSingle(Board &b, int &)
{
    for (int c = 0; c < 81; ++c) {
        const Mask m = b.cand[static_cast<std::size_t>(c)];
        if (m && !(m & (m - 1))) {
            if (b.trace)
                *b.trace = {0, {c}, {}, {}, {lowestDigit(m)}, {}};
            b.place(c, lowestDigit(m));
            return true;
        }
    }
    return false;
}

} // namespace grader
