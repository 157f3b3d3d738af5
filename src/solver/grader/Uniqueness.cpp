#include "solver/grader/Board.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <utility>

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
                if (b.trace) {
                    RectangleTrace t{.type = 1, .digits = {a, d2}, .roof = {cell[i]}};
                    for (int j = 0; j < 4; ++j)
                        if (j != i)
                            t.floor.push_back(cell[j]);
                    *b.trace = std::move(t);
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
                    *b.trace =
                        RectangleTrace{.type = 2, .digits = {a, d2}, .floor = {f1, f2}, .roof = {r1, r2}, .extra = c};
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
                        *b.trace = RectangleTrace{.type = 4,
                                                  .digits = {a, d2},
                                                  .floor = {f1, f2},
                                                  .roof = {r1, r2},
                                                  .unit = u,
                                                  .locked = locked};
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
        *b.trace = SingleTrace{.cell = triple, .digit = extra};
    b.place(triple, extra);
    return true;
}

Description describeRectangle(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<RectangleTrace>(trace);
    const std::vector<int> digits(t.digits.begin(), t.digits.end());
    const QString ab = words::digits(digits);
    std::vector<int> corners = t.floor;
    corners.insert(corners.end(), t.roof.begin(), t.roof.end());
    auto floor = [&](std::size_t i) { return cellName(t.floor[i]); };
    auto roof = [&](std::size_t i) { return cellName(t.roof[i]); };
    if (t.type == 1)
        return {QStringLiteral("%1, %2 and %3 hold only %4; if %5 were %6, the four corners could swap their "
                               "digits and the puzzle would have two solutions. %7")
                    .arg(words::capitalised(floor(0)), floor(1), floor(2), ab, roof(0), words::digits(digits, "or"),
                         remove),
                corners};
    if (t.type == 2)
        return {QStringLiteral("%1 and %2 hold only %3, and %4 and %5 only those and %6; without the %6 the "
                               "rectangle's %3 could swap, giving two solutions, so %4 or %5 is %6. %7")
                    .arg(words::capitalised(floor(0)), floor(1), ab, roof(0), roof(1))
                    .arg(t.extra)
                    .arg(remove),
                corners};
    return {QStringLiteral("%1 and %2 hold only %3, and in %4 the %5 can only go in %6 or %7; if either of those "
                           "were %8, the rectangle's %3 could swap, giving two solutions. %9")
                .arg(words::capitalised(floor(0)), floor(1), ab, words::unit(t.unit))
                .arg(t.locked)
                .arg(roof(0), roof(1))
                .arg(t.locked == t.digits[0] ? t.digits[1] : t.digits[0])
                .arg(remove),
            corners};
}

Description describeBugPlusOne(const Trace &trace, const Board &, const QString &)
{
    const auto &t = std::get<SingleTrace>(trace);
    return {QStringLiteral("Every open cell but %1 holds two candidates, and every digit has two places in each "
                           "unit but the %2 around it; without %2 there the board would have two solutions. "
                           "Place %2 there.")
                .arg(cellName(t.cell))
                .arg(t.digit),
            {t.cell}};
}

void readsRectangle(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<RectangleTrace>(trace);
    for (int c : t.floor)
        r.setCell(c);
    if (t.type == 2)
        for (int c : t.roof)
            r.setCell(c);
    if (t.type == 4)
        reads::digitInUnit(r, t.unit, t.locked);
}

// BUG+1 reads the whole board: every other cell holds two candidates.
void readsEverything(const Trace &, const Board &, CandidateSet &r)
{
    for (int c = 0; c < 81; ++c)
        r.setCell(c);
}

} // namespace grader
