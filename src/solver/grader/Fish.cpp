#include "solver/grader/Board.h"
#include "solver/grader/Combinations.h"
#include "solver/grader/Techniques.h"

namespace grader {

namespace {

// Basic fish of size k on digit d: k base lines (rows, or columns when
// byColumn) whose candidates lie in k cover lines; d leaves the cover
// lines outside the base lines.
bool fishOn(Board &b, int d, int k, bool byColumn)
{
    unsigned where[9] = {};
    int lines[9], n = 0;
    for (int line = 0; line < 9; ++line) {
        for (int i = 0; i < 9; ++i) {
            const int cell = byColumn ? i * 9 + line : line * 9 + i;
            if (b.has(cell, d))
                where[line] |= 1u << i;
        }
        const int count = std::popcount(where[line]);
        if (count >= 2 && count <= k)
            lines[n++] = line;
    }
    return combinations(n, k, [&](const int *idx) {
        unsigned cover = 0, base = 0;
        for (int i = 0; i < k; ++i) {
            cover |= where[lines[idx[i]]];
            base |= 1u << lines[idx[i]];
        }
        if (std::popcount(cover) != k)
            return false;
        bool changed = false;
        for (int line = 0; line < 9; ++line) {
            if (base >> line & 1)
                continue;
            for (int i = 0; i < 9; ++i)
                if (cover >> i & 1)
                    changed |= b.remove(byColumn ? i * 9 + line : line * 9 + i, d);
        }
        if (changed && b.trace) {
            // Base lines first, then the cover lines.
            *b.trace = {byColumn ? 1 : 0, {}, {}, {}, {d}, {}};
            for (int i = 0; i < k; ++i)
                b.trace->units.push_back(lines[idx[i]] + (byColumn ? 9 : 0));
            for (int i = 0; i < 9; ++i)
                if (cover >> i & 1)
                    b.trace->units.push_back(i + (byColumn ? 0 : 9));
            for (int cell = 0; cell < 81; ++cell)
                if (b.has(cell, d) && (base >> (byColumn ? colOf(cell) : rowOf(cell)) & 1))
                    b.trace->cells.push_back(cell);
        }
        return changed;
    });
}

bool fish(Board &b, int k)
{
    for (int d = 1; d <= 9; ++d)
        if (fishOn(b, d, k, false) || fishOn(b, d, k, true))
            return true;
    return false;
}

} // namespace

bool xWing(Board &b, int &) { return fish(b, 2); }
bool swordfish(Board &b, int &) { return fish(b, 3); }
bool jellyfish(Board &b, int &) { return fish(b, 4); }

} // namespace grader
