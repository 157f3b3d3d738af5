#include "solver/grader/Board.h"
#include "solver/grader/Techniques.h"

namespace grader {

namespace {

CellSet setOf(int a, int b) { return CellSet::of(a) | CellSet::of(b); }

} // namespace

// Pivot {a,b} seeing pincers {a,c} and {b,c}: c leaves the cells that see
// both pincers.
bool xyWing(Board &b, int &)
{
    const auto &t = tables();
    for (int p = 0; p < 81; ++p) {
        const Mask pm = b.cand[static_cast<std::size_t>(p)];
        if (popcount(pm) != 2)
            continue;
        int wings[20], n = 0;
        t.peerSet[static_cast<std::size_t>(p)].forEach([&](int c) {
            const Mask m = b.cand[static_cast<std::size_t>(c)];
            if (popcount(m) == 2 && popcount(m & pm) == 1)
                wings[n++] = c;
        });
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                const Mask x = b.cand[static_cast<std::size_t>(wings[i])], y = b.cand[static_cast<std::size_t>(wings[j])];
                const Mask z = static_cast<Mask>(x & y & ~pm);
                if (!z || (x & y & pm) || ((x | y) & pm) != pm)
                    continue;
                const int d = lowestDigit(z);
                if (!b.removeFrom(commonPeers(setOf(wings[i], wings[j])) & b.cellsWith(d), d))
                    continue;
                if (b.trace) // pivot, the pincer sharing the pivot's lower digit, the other
                    *b.trace = (x & pm) == bit(lowestDigit(pm)) ? Trace{0, {p, wings[i], wings[j]}, {}, {}, {d}, {}}
                                              : Trace{0, {p, wings[j], wings[i]}, {}, {}, {d}, {}};
                return true;
            }
    }
    return false;
}

// Pivot {a,b,c} seeing pincers {a,c} and {b,c}: c leaves the cells that
// see all three.
bool xyzWing(Board &b, int &)
{
    const auto &t = tables();
    for (int p = 0; p < 81; ++p) {
        const Mask pm = b.cand[static_cast<std::size_t>(p)];
        if (popcount(pm) != 3)
            continue;
        int wings[20], n = 0;
        t.peerSet[static_cast<std::size_t>(p)].forEach([&](int c) {
            const Mask m = b.cand[static_cast<std::size_t>(c)];
            if (popcount(m) == 2 && (m & ~pm) == 0)
                wings[n++] = c;
        });
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                const Mask x = b.cand[static_cast<std::size_t>(wings[i])], y = b.cand[static_cast<std::size_t>(wings[j])];
                if (x == y || popcount(static_cast<Mask>(x & y)) != 1)
                    continue;
                const int d = lowestDigit(static_cast<Mask>(x & y));
                const CellSet all = setOf(wings[i], wings[j]) | CellSet::of(p);
                if (!b.removeFrom(commonPeers(all) & b.cellsWith(d), d))
                    continue;
                if (b.trace)
                    *b.trace = {0, {p, wings[i], wings[j]}, {}, {}, {d}, {}};
                return true;
            }
    }
    return false;
}

// Two cells {x,y} that do not see each other, joined by a conjugate pair
// on y whose ends see one cell each: x leaves the cells that see both.
bool wWing(Board &b, int &)
{
    const auto &t = tables();
    CellSet with[10];
    for (int d = 1; d <= 9; ++d)
        with[d] = b.cellsWith(d);
    for (int a = 0; a < 81; ++a) {
        const Mask m = b.cand[static_cast<std::size_t>(a)];
        if (popcount(m) != 2)
            continue;
        for (int c = a + 1; c < 81; ++c) {
            if (b.cand[static_cast<std::size_t>(c)] != m || sees(a, c))
                continue;
            const CellSet ends = setOf(a, c);
            for (int k = 0; k < 2; ++k) {
                const int y = k ? lowestDigit(m) : lowestDigit(static_cast<Mask>(m & (m - 1)));
                const int x = lowestDigit(static_cast<Mask>(m & ~bit(y)));
                const CellSet withY = with[y] - ends;
                for (int u = 0; u < 27; ++u) {
                    const CellSet s = with[y] & t.unitSet[static_cast<std::size_t>(u)];
                    if (s.count() != 2 || !(s - withY).empty())
                        continue;
                    const int p = s.first(), q = (s - CellSet::of(p)).first();
                    if (!((sees(p, a) && sees(q, c)) || (sees(p, c) && sees(q, a))))
                        continue;
                    if (!b.removeFrom(commonPeers(ends) & with[x], x))
                        continue;
                    if (b.trace) // the bridge's end that sees a comes first
                        *b.trace = {0, {a, c}, sees(p, a) && sees(q, c) ? std::vector<int>{p, q} : std::vector<int>{q, p}, {u}, {x, y}, {}};
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace grader
