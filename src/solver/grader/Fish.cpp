#include "solver/grader/Board.h"
#include "solver/grader/Combinations.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <utility>

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
            FishTrace t{.digit = d};
            for (int i = 0; i < k; ++i)
                t.base.push_back(lines[idx[i]] + (byColumn ? 9 : 0));
            for (int i = 0; i < 9; ++i)
                if (cover >> i & 1)
                    t.cover.push_back(i + (byColumn ? 0 : 9));
            for (int cell = 0; cell < 81; ++cell)
                if (b.has(cell, d) && (base >> (byColumn ? colOf(cell) : rowOf(cell)) & 1))
                    t.cells.push_back(cell);
            *b.trace = std::move(t);
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

Description describeFish(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<FishTrace>(trace);
    return {QStringLiteral("In %1, the %2 can only go in %3, at %4, so %3 get their %2s in these %5. %6")
                .arg(words::units(t.base))
                .arg(t.digit)
                .arg(words::units(t.cover), words::cells(t.cells),
                     QLatin1String(t.base.front() >= 9 ? "columns" : "rows"), remove),
            t.cells};
}

void readsFish(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<FishTrace>(trace);
    CellSet base, cover;
    for (int u : t.base)
        base |= tables().unitSet[static_cast<std::size_t>(u)];
    for (int u : t.cover)
        cover |= tables().unitSet[static_cast<std::size_t>(u)];
    reads::digitIn(r, base - cover, t.digit);
}

} // namespace grader
