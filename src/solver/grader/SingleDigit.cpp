#include "solver/grader/Board.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

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
                            *b.trace = TurbotTrace{.digit = d,
                                                   .first = {.unit = rowOf(pa), .near = pa, .far = pb},
                                                   .second = {.unit = 9 + colOf(qa), .near = qa, .far = qb},
                                                   .joint = 18 + boxOf(pa)};
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
                        if (b.trace)
                            *b.trace = TurbotTrace{
                                .digit = d,
                                .first = {.unit = orient ? 9 + colOf(pa) : rowOf(pa), .near = pa, .far = pb},
                                .second = {.unit = orient ? 9 + colOf(qa) : rowOf(qa), .near = qa, .far = qb},
                                .joint = orient ? rowOf(pa) : 9 + colOf(pa)};
                        return true;
                    }
        }
    }
    return false;
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
                        *b.trace =
                            ColourTrace{.digit = d, .firstFalse = true, .first = colour[x], .second = colour[1 - x]};
                    return true;
                }
            }
            CellSet seen[2];
            for (int x = 0; x < 2; ++x)
                colour[x].forEach([&](int c) { seen[x] |= t.peerSet[static_cast<std::size_t>(c)]; });
            if (b.removeFrom((seen[0] & seen[1] & withD) - colour[0] - colour[1], d)) {
                if (b.trace)
                    *b.trace = ColourTrace{.digit = d, .first = colour[0], .second = colour[1]};
                return true;
            }
        }
    }
    return false;
}

Description describeTurbot(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<TurbotTrace>(trace);
    return {QStringLiteral("In %1 the %2 can only go in %3 or %4, and in %5 only in %6 or %7; as %3 and %6 "
                           "share %8, %4 or %7 holds the %2, so no cell that sees both can. %9")
                .arg(words::unit(t.first.unit))
                .arg(t.digit)
                .arg(cellName(t.first.near), cellName(t.first.far), words::unit(t.second.unit),
                     cellName(t.second.near), cellName(t.second.far), words::unit(t.joint), remove),
            {t.first.near, t.first.far, t.second.near, t.second.far}};
}

Description describeColouring(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<ColourTrace>(trace);
    const QString rule = t.firstFalse
                             ? QStringLiteral("two cells of the first colour share a unit, so that colour holds no %1")
                             : QStringLiteral("a cell that sees both colours cannot hold %1");
    Description out{QStringLiteral("Following the %1 through the units where it has only two places colours %2 "
                                   "against %3, and one colour holds all the %1s; %4. %5")
                        .arg(t.digit)
                        .arg(words::cells(t.first), words::cells(t.second), rule.arg(t.digit), remove),
                    {}};
    (t.first | t.second).forEach([&](int c) { out.pattern.push_back(c); });
    return out;
}

void readsTurbot(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<TurbotTrace>(trace);
    reads::digitInUnit(r, t.first.unit, t.digit);
    reads::digitInUnit(r, t.second.unit, t.digit);
}

// The units where two coloured cells are a conjugate pair.
void readsColouring(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<ColourTrace>(trace);
    const CellSet all = t.first | t.second;
    for (int u = 0; u < 27; ++u)
        if ((all & tables().unitSet[static_cast<std::size_t>(u)]).count() >= 2)
            reads::digitInUnit(r, u, t.digit);
}

} // namespace grader
