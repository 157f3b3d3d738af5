#include "solver/grader/Board.h"
#include "solver/grader/CandidateSet.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <array>
#include <vector>

// 3D Medusa: colour clusters of candidates joined by strong links, both
// conjugate pairs in units and the two digits of bivalue cells. Of the two
// colours of a cluster exactly one is true.
namespace grader {

namespace {

int id(int cell, int d) { return cell * 9 + d - 1; }

struct Cluster {
    std::array<CellSet, 10> cells[2]; // per colour and digit
    std::vector<int> members;
};

// Strikes every candidate of one colour; true when any was there.
bool falsify(Board &b, const Cluster &k, int colour)
{
    bool any = false;
    for (int d = 1; d <= 9; ++d)
        any |= b.removeFrom(k.cells[colour][static_cast<std::size_t>(d)], d);
    return any;
}

CandidateSet members(const Cluster &k, int colour)
{
    CandidateSet s;
    for (int d = 1; d <= 9; ++d)
        k.cells[colour][static_cast<std::size_t>(d)].forEach([&](int c) { s.set(c, d); });
    return s;
}

bool examine(Board &b, const Cluster &k, const std::array<CellSet, 10> &with)
{
    const auto &t = tables();
    auto peersOf = [&](const CellSet &s) {
        CellSet p;
        s.forEach([&](int c) { p |= t.peerSet[static_cast<std::size_t>(c)]; });
        return p;
    };
    std::array<CellSet, 10> seen[2];
    CellSet anyColour[2];
    for (int x = 0; x < 2; ++x)
        for (int d = 1; d <= 9; ++d) {
            const CellSet &s = k.cells[x][static_cast<std::size_t>(d)];
            seen[x][static_cast<std::size_t>(d)] = peersOf(s);
            anyColour[x] |= s;
        }
    for (int x = 0; x < 2; ++x) {
        // A colour twice in one cell, or on one digit twice in a unit.
        bool contradiction = false;
        for (int d = 1; d <= 9 && !contradiction; ++d) {
            const CellSet &s = k.cells[x][static_cast<std::size_t>(d)];
            contradiction = !(seen[x][static_cast<std::size_t>(d)] & s).empty();
            for (int e = d + 1; e <= 9 && !contradiction; ++e)
                contradiction = !(s & k.cells[x][static_cast<std::size_t>(e)]).empty();
        }
        // An uncoloured cell all of whose candidates see this colour.
        int emptied = -1;
        for (int c = 0; c < 81 && !contradiction; ++c) {
            const Mask m = b.cand[static_cast<std::size_t>(c)];
            if (!m || anyColour[0].test(c) || anyColour[1].test(c))
                continue;
            bool all = true;
            forEachDigit(m, [&](int d) { all &= seen[x][static_cast<std::size_t>(d)].test(c); });
            contradiction = all;
            if (all)
                emptied = c;
        }
        if (contradiction && falsify(b, k, x)) {
            if (b.trace)
                *b.trace = ColourTrace{.firstFalse = true,
                                       .first = anyColour[x],
                                       .second = anyColour[1 - x],
                                       .firstCands = members(k, x),
                                       .secondCands = members(k, 1 - x),
                                       .emptied = emptied};
            return true;
        }
    }
    bool changed = false;
    for (int d = 1; d <= 9; ++d) {
        const std::size_t di = static_cast<std::size_t>(d);
        const CellSet uncoloured = with[di] - k.cells[0][di] - k.cells[1][di];
        // Sees both colours of its digit.
        changed |= b.removeFrom(uncoloured & seen[0][di] & seen[1][di], d);
        // Shares a cell with one colour and sees the other on its digit.
        changed |= b.removeFrom(uncoloured & anyColour[0] & seen[1][di], d);
        changed |= b.removeFrom(uncoloured & anyColour[1] & seen[0][di], d);
        // A cell holding both colours keeps only those two.
        changed |= b.removeFrom(uncoloured & anyColour[0] & anyColour[1], d);
    }
    if (changed && b.trace)
        *b.trace = ColourTrace{.first = anyColour[0], .second = anyColour[1], .firstCands = members(k, 0), .secondCands = members(k, 1)};
    return changed;
}

} // namespace

bool medusa3D(Board &b, int &)
{
    const auto &t = tables();
    std::array<CellSet, 10> with;
    for (int d = 1; d <= 9; ++d)
        with[static_cast<std::size_t>(d)] = b.cellsWith(d);
    std::vector<std::vector<int>> strong(729);
    for (int u = 0; u < 27; ++u)
        for (int d = 1; d <= 9; ++d) {
            const CellSet s = with[static_cast<std::size_t>(d)] & t.unitSet[static_cast<std::size_t>(u)];
            if (s.count() != 2)
                continue;
            const int a = s.first(), c = (s - CellSet::of(a)).first();
            strong[static_cast<std::size_t>(id(a, d))].push_back(id(c, d));
            strong[static_cast<std::size_t>(id(c, d))].push_back(id(a, d));
        }
    for (int c = 0; c < 81; ++c) {
        const Mask m = b.cand[static_cast<std::size_t>(c)];
        if (popcount(m) != 2)
            continue;
        const int d1 = lowestDigit(m), d2 = lowestDigit(static_cast<Mask>(m & (m - 1)));
        strong[static_cast<std::size_t>(id(c, d1))].push_back(id(c, d2));
        strong[static_cast<std::size_t>(id(c, d2))].push_back(id(c, d1));
    }
    std::vector<int> colour(729, -1);
    for (int start = 0; start < 729; ++start) {
        if (strong[static_cast<std::size_t>(start)].empty() || colour[static_cast<std::size_t>(start)] >= 0)
            continue;
        Cluster k;
        std::vector<int> stack{start};
        colour[static_cast<std::size_t>(start)] = 0;
        while (!stack.empty()) {
            const int v = stack.back();
            stack.pop_back();
            k.members.push_back(v);
            const int x = colour[static_cast<std::size_t>(v)];
            k.cells[x][static_cast<std::size_t>(v % 9 + 1)].set(v / 9);
            for (int w : strong[static_cast<std::size_t>(v)])
                if (colour[static_cast<std::size_t>(w)] < 0) {
                    colour[static_cast<std::size_t>(w)] = 1 - x;
                    stack.push_back(w);
                }
        }
        if (k.members.size() >= 4 && examine(b, k, with))
            return true;
    }
    return false;
}

namespace {

// "r1c2=5, r3c4=7": each colour as the candidates it holds.
QString colour(const CandidateSet &s)
{
    QStringList items;
    s.forEach([&](int c, int d) { items << QStringLiteral("%1=%2").arg(words::shortCell(c)).arg(d); });
    return items.join(QStringLiteral(", "));
}

} // namespace

Description describeMedusa(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<ColourTrace>(trace);
    const CellSet all = t.first | t.second;
    Description out{
        QStringLiteral("Two colours along strong links (two places in a unit, two candidates in a cell), one of "
                       "them all true: %1 against %2; %3. %4")
            .arg(colour(t.firstCands), colour(t.secondCands),
                 t.firstFalse ? QStringLiteral("the first colour breaks a rule of Sudoku, so its candidates are false")
                              : QStringLiteral("a candidate that sees both colours, shares a cell with one and sees "
                                               "the other, or shares a cell with both, is false"),
                 remove),
        {}};
    all.forEach([&](int c) { out.pattern.push_back(c); });
    return out;
}

// The strong links between coloured candidates, and the cell a colour
// would empty.
void readsMedusa(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<ColourTrace>(trace);
    std::array<CellSet, 10> byDigit;
    std::array<int, 81> perCell{};
    (t.firstCands | t.secondCands).forEach([&](int c, int d) {
        byDigit[static_cast<std::size_t>(d)].set(c);
        ++perCell[static_cast<std::size_t>(c)];
    });
    for (int c = 0; c < 81; ++c)
        if (perCell[static_cast<std::size_t>(c)] >= 2)
            r.setCell(c);
    for (int d = 1; d <= 9; ++d)
        for (int u = 0; u < 27; ++u)
            if ((byDigit[static_cast<std::size_t>(d)] & tables().unitSet[static_cast<std::size_t>(u)]).count() >= 2)
                reads::digitInUnit(r, u, d);
    if (t.emptied >= 0)
        r.setCell(t.emptied);
}

} // namespace grader
