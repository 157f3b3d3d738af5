#include "solver/grader/Board.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <algorithm>

namespace grader {

namespace {

CellSet setOf(int a, int b) { return CellSet::of(a) | CellSet::of(b); }

// "3 and 7" (or "or"): the cell's candidates before the step.
QString holding(const Board &before, int cell, const char *conjunction)
{
    std::vector<int> list;
    forEachDigit(before.cand[static_cast<std::size_t>(cell)], [&](int d) { list.push_back(d); });
    return words::digits(list, conjunction);
}

// "Row 1, column 2 holds only 3 and 7 and sees A, holding 3 or 5, and B,
// holding 5 or 7: "
QString wing(const WingTrace &w, const Board &before)
{
    return QStringLiteral("%1 holds only %2 and sees %3, holding %4, and %5, holding %6: ")
        .arg(words::capitalised(cellName(w.pivot)), holding(before, w.pivot, "and"), cellName(w.pincers[0]),
             holding(before, w.pincers[0], "or"), cellName(w.pincers[1]), holding(before, w.pincers[1], "or"));
}

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
                if (b.trace) {
                    const bool iFirst = (x & pm) == bit(lowestDigit(pm)); // shares the pivot's lower digit
                    *b.trace = WingTrace{.digit = d,
                                         .pivot = p,
                                         .pincers = {iFirst ? wings[i] : wings[j], iFirst ? wings[j] : wings[i]}};
                }
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
                    *b.trace = WingTrace{.digit = d, .pivot = p, .pincers = {wings[i], wings[j]}};
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
                    if (b.trace) {
                        const bool pByA = sees(p, a) && sees(q, c); // else q sees a, p sees c
                        *b.trace = WWingTrace{.x = x,
                                              .y = y,
                                              .ends = {a, c},
                                              .unit = u,
                                              .bridge = {pByA ? p : q, pByA ? q : p}};
                    }
                    return true;
                }
            }
        }
    }
    return false;
}

Description describeXYWing(const Trace &trace, const Board &before, const QString &remove)
{
    const auto &w = std::get<WingTrace>(trace);
    return {wing(w, before) +
                QStringLiteral("whichever digit %1 takes, %2 or %3 is %4, so no cell that sees both can be. ")
                    .arg(cellName(w.pivot), cellName(w.pincers[0]), cellName(w.pincers[1]), QString::number(w.digit)) +
                remove,
            {w.pivot, w.pincers[0], w.pincers[1]}};
}

Description describeXYZWing(const Trace &trace, const Board &before, const QString &remove)
{
    const auto &w = std::get<WingTrace>(trace);
    return {wing(w, before) + QStringLiteral("one of the three is %1, so no cell that sees all three can be. %2")
                                  .arg(w.digit)
                                  .arg(remove),
            {w.pivot, w.pincers[0], w.pincers[1]}};
}

Description describeWWing(const Trace &trace, const Board &, const QString &remove)
{
    const auto &w = std::get<WWingTrace>(trace);
    return {QStringLiteral("%1 and %2 hold only %3; in %4 the %5 can only go in %6 or %7, one seeing each, "
                           "so one of %8 and %2 is %9 and no cell that sees both can be. ")
                    .arg(words::capitalised(cellName(w.ends[0])), cellName(w.ends[1]),
                         words::digits({std::min(w.x, w.y), std::max(w.x, w.y)}), words::unit(w.unit))
                    .arg(w.y)
                    .arg(cellName(w.bridge[0]), cellName(w.bridge[1]), cellName(w.ends[0]))
                    .arg(w.x) +
                remove,
            {w.ends[0], w.ends[1], w.bridge[0], w.bridge[1]}};
}

// Every cell of a wing holds only the digits it is read for.
void readsWing(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &w = std::get<WingTrace>(trace);
    for (int c : {w.pivot, w.pincers[0], w.pincers[1]})
        r.setCell(c);
}

void readsWWing(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &w = std::get<WWingTrace>(trace);
    r.setCell(w.ends[0]);
    r.setCell(w.ends[1]);
    reads::digitInUnit(r, w.unit, w.y);
}

} // namespace grader
