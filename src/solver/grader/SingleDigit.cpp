#include "solver/grader/Board.h"
#include "solver/grader/Techniques.h"

#include <vector>

namespace grader {

namespace {

struct Pair {
    int a, b;
};

// Conjugate pairs of digit d (a unit with exactly two places for it) in
// the units [first, first + 9).
std::vector<Pair> conjugates(const CellSet &withD, int first)
{
    std::vector<Pair> pairs;
    for (int u = first; u < first + 9; ++u) {
        const CellSet s = withD & tables().unitSet[static_cast<std::size_t>(u)];
        if (s.count() == 2) {
            const int a = s.first();
            pairs.push_back({a, (s - CellSet::of(a)).first()});
        }
    }
    return pairs;
}

// Two conjugate pairs joined by a weak link between p.a and q.a: one of
// p.b and q.b holds d, so cells seeing both lose it.
bool strikeBetween(Board &b, const CellSet &withD, int d, int pb, int qb)
{
    return b.removeFrom(commonPeers(CellSet::of(pb) | CellSet::of(qb)) & withD, d);
}

bool turbot(Board &b, bool kite)
{
    for (int d = 1; d <= 9; ++d) {
        const CellSet withD = b.cellsWith(d);
        const std::vector<Pair> rows = conjugates(withD, 0), cols = conjugates(withD, 9);
        if (kite) {
            // A row pair and a column pair with one end each in the same box.
            for (const Pair &p : rows)
                for (const Pair &q : cols)
                    for (int i = 0; i < 4; ++i) {
                        const int pa = i & 1 ? p.b : p.a, pb = i & 1 ? p.a : p.b;
                        const int qa = i & 2 ? q.b : q.a, qb = i & 2 ? q.a : q.b;
                        if (pa == qa || pa == qb || pb == qa || pb == qb || boxOf(pa) != boxOf(qa))
                            continue;
                        if (!strikeBetween(b, withD, d, pb, qb))
                            continue;
                        if (b.trace)
                            *b.trace = {0, {pa, pb, qa, qb}, {}, {rowOf(pa), 9 + colOf(qa), 18 + boxOf(pa)}, {d}, {}};
                        return true;
                    }
            continue;
        }
        // Two parallel pairs whose bases share a line across them and whose
        // tops do not.
        for (int orient = 0; orient < 2; ++orient) {
            const std::vector<Pair> &pairs = orient ? cols : rows;
            auto across = orient ? rowOf : colOf;
            for (std::size_t i = 0; i < pairs.size(); ++i)
                for (std::size_t j = i + 1; j < pairs.size(); ++j)
                    for (int k = 0; k < 4; ++k) {
                        const Pair &p = pairs[i], &q = pairs[j];
                        const int pa = k & 1 ? p.b : p.a, pb = k & 1 ? p.a : p.b;
                        const int qa = k & 2 ? q.b : q.a, qb = k & 2 ? q.a : q.b;
                        if (across(pa) != across(qa) || across(pb) == across(qb))
                            continue;
                        if (!strikeBetween(b, withD, d, pb, qb))
                            continue;
                        if (b.trace) {
                            const int lineP = orient ? 9 + colOf(pa) : rowOf(pa);
                            const int lineQ = orient ? 9 + colOf(qa) : rowOf(qa);
                            const int shared = orient ? rowOf(pa) : 9 + colOf(pa);
                            *b.trace = {0, {pa, pb, qa, qb}, {}, {lineP, lineQ, shared}, {d}, {}};
                        }
                        return true;
                    }
        }
    }
    return false;
}

void traceColours(Trace &t, int kind, int d, const CellSet &first, const CellSet &second)
{
    t = {kind, {}, {}, {}, {d}, {}};
    first.forEach([&](int c) { t.cells.push_back(c); });
    second.forEach([&](int c) { t.others.push_back(c); });
}

} // namespace

bool skyscraper(Board &b, int &) { return turbot(b, false); }
bool twoStringKite(Board &b, int &) { return turbot(b, true); }

// Colour each cluster of conjugate pairs of one digit in two colours. A
// colour that meets itself in a unit is false; a cell that sees both
// colours loses the digit.
bool simpleColouring(Board &b, int &)
{
    const auto &t = tables();
    for (int d = 1; d <= 9; ++d) {
        const CellSet withD = b.cellsWith(d);
        CellSet strong[81];
        for (int u = 0; u < 27; ++u) {
            const CellSet s = withD & t.unitSet[static_cast<std::size_t>(u)];
            if (s.count() != 2)
                continue;
            const int a = s.first(), c = (s - CellSet::of(a)).first();
            strong[a].set(c);
            strong[c].set(a);
        }
        CellSet done;
        for (int start = 0; start < 81; ++start) {
            if (strong[start].empty() || done.test(start))
                continue;
            CellSet colour[2];
            int stack[81], top = 0;
            stack[top++] = start;
            colour[0].set(start);
            done.set(start);
            while (top) {
                const int c = stack[--top];
                const int mine = colour[0].test(c) ? 0 : 1;
                strong[c].forEach([&](int n) {
                    if (done.test(n))
                        return;
                    done.set(n);
                    colour[1 - mine].set(n);
                    stack[top++] = n;
                });
            }
            if (colour[0].count() + colour[1].count() < 4)
                continue; // one pair alone is locked candidates at most
            for (int x = 0; x < 2; ++x) {
                bool wrap = false;
                colour[x].forEach([&](int c) { wrap |= !(t.peerSet[static_cast<std::size_t>(c)] & colour[x]).empty(); });
                if (wrap && b.removeFrom(colour[x], d)) {
                    if (b.trace)
                        traceColours(*b.trace, 0, d, colour[x], colour[1 - x]);
                    return true;
                }
            }
            CellSet seen[2];
            for (int x = 0; x < 2; ++x)
                colour[x].forEach([&](int c) { seen[x] |= t.peerSet[static_cast<std::size_t>(c)]; });
            if (b.removeFrom((seen[0] & seen[1] & withD) - colour[0] - colour[1], d)) {
                if (b.trace)
                    traceColours(*b.trace, 1, d, colour[0], colour[1]);
                return true;
            }
        }
    }
    return false;
}

} // namespace grader
