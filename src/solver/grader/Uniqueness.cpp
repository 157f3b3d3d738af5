#include "solver/grader/Board.h"
#include "solver/grader/Techniques.h"

// Both techniques rest on the puzzle having exactly one solution: a
// pattern that would allow two solutions cannot be the answer.
namespace grader {

namespace {

// A rectangle of open cells in two rows, two columns and two boxes that
// all hold the digits a and b. floor: the two cells that hold exactly
// {a,b} and share a line; roof: the other two.
bool rectangle(Board &b, const int cell[4], int a, int d2)
{
    const Mask ab = static_cast<Mask>(bit(a) | bit(d2));
    int exact = 0;
    for (int i = 0; i < 4; ++i)
        exact += b.cand[static_cast<std::size_t>(cell[i])] == ab;
    if (exact == 3) { // type 1: the fourth cell cannot be a or b
        for (int i = 0; i < 4; ++i)
            if (b.cand[static_cast<std::size_t>(cell[i])] != ab) {
                b.cand[static_cast<std::size_t>(cell[i])] &= static_cast<Mask>(~ab);
                if (b.trace) { // the three exact corners, then the fourth
                    *b.trace = {1, {}, {}, {}, {a, d2}, {}};
                    for (int j = 0; j < 4; ++j)
                        if (j != i)
                            b.trace->cells.push_back(cell[j]);
                    b.trace->cells.push_back(cell[i]);
                }
                return true;
            }
    }
    if (exact != 2)
        return false;
    // cell[0],cell[1] share a row, cell[2],cell[3] too; [0],[2] a column.
    static constexpr int floors[4][4] = {{0, 1, 2, 3}, {2, 3, 0, 1}, {0, 2, 1, 3}, {1, 3, 0, 2}};
    for (const auto &f : floors) {
        const int f1 = cell[f[0]], f2 = cell[f[1]], r1 = cell[f[2]], r2 = cell[f[3]];
        if (b.cand[static_cast<std::size_t>(f1)] != ab || b.cand[static_cast<std::size_t>(f2)] != ab)
            continue;
        const Mask m1 = b.cand[static_cast<std::size_t>(r1)], m2 = b.cand[static_cast<std::size_t>(r2)];
        const CellSet roof = CellSet::of(r1) | CellSet::of(r2);
        // Type 2: both roof cells hold one extra digit c; one of them is c.
        if (m1 == m2 && popcount(m1) == 3) {
            const int c = lowestDigit(static_cast<Mask>(m1 & ~ab));
            if (b.removeFrom(commonPeers(roof) & b.cellsWith(c), c)) {
                if (b.trace)
                    *b.trace = {2, {f1, f2, r1, r2}, {}, {}, {a, d2, c}, {}};
                return true;
            }
        }
        // Type 4: one of a, b is confined to the roof in a unit holding
        // both roof cells, so the other leaves the roof.
        for (int u = 0; u < 27; ++u) {
            const CellSet &unit = tables().unitSet[static_cast<std::size_t>(u)];
            if ((roof - unit).empty() == false)
                continue;
            for (int k = 0; k < 2; ++k) {
                const int locked = k ? d2 : a, other = k ? a : d2;
                if ((b.cellsWith(locked) & unit) == roof && b.removeFrom(roof, other)) {
                    if (b.trace)
                        *b.trace = {4, {f1, f2, r1, r2}, {}, {u}, {locked, other}, {}};
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

bool uniqueRectangle(Board &b, int &)
{
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3))
                        continue; // must span exactly two boxes
                    const int cell[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    Mask common = 0x1FF;
                    for (int c : cell)
                        common &= b.cand[static_cast<std::size_t>(c)];
                    if (popcount(common) < 2)
                        continue;
                    for (int a = 1; a <= 9; ++a)
                        for (int d2 = a + 1; d2 <= 9; ++d2)
                            if ((common & bit(a)) && (common & bit(d2)) && rectangle(b, cell, a, d2))
                                return true;
                }
    return false;
}

// Bivalue universal grave + 1: every open cell has two candidates except
// one with three, and every digit has two places in each unit except the
// extra digit of that cell. Without it the grid would have two solutions,
// so the extra digit goes there.
bool bugPlusOne(Board &b, int &)
{
    int triple = -1;
    for (int c = 0; c < 81; ++c) {
        const int n = popcount(b.cand[static_cast<std::size_t>(c)]);
        if (b.value[static_cast<std::size_t>(c)] || n == 2)
            continue;
        if (n != 3 || triple >= 0)
            return false;
        triple = c;
    }
    if (triple < 0)
        return false;
    const auto &t = tables();
    const int row = rowOf(triple);
    int extra = 0;
    forEachDigit(b.cand[static_cast<std::size_t>(triple)], [&](int d) {
        if ((b.cellsWith(d) & t.unitSet[static_cast<std::size_t>(row)]).count() == 3)
            extra = d;
    });
    if (!extra)
        return false;
    for (int d = 1; d <= 9; ++d) {
        const CellSet withD = b.cellsWith(d);
        for (int u = 0; u < 27; ++u) {
            const CellSet &unit = t.unitSet[static_cast<std::size_t>(u)];
            const int n = (withD & unit).count();
            const int expected = d == extra && unit.test(triple) ? 3 : 2;
            if (n != 0 && n != expected)
                return false;
        }
    }
    if (b.trace)
        *b.trace = {0, {triple}, {}, {}, {extra}, {}};
    b.place(triple, extra);
    return true;
}

} // namespace grader
