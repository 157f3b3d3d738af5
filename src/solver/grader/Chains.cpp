#include "solver/grader/Board.h"
#include "solver/grader/CandidateSet.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

// Alternating inference chains. A chain starts at a node assumed false
// and alternates strong links (not both false) and weak links (not both
// true), so it proves "start or end" for every node it reaches as true;
// a candidate that can be true with neither of them is false. The kinds
// of chain differ only in the links they may use.
namespace grader {

namespace {

enum Links : unsigned {
    UnitStrong = 1,  // a digit with two places in a unit
    CellStrong = 2,  // a cell with two candidates
    UnitWeak = 4,    // one digit twice in a unit
    CellWeak = 8,    // two digits in one cell
    Groups = 16,     // nodes of two or three cells in a box-line segment
    BivalueOnly = 32 // nodes only in cells with two candidates
};

struct Node {
    int digit;
    CellSet cells;
};

struct Graph {
    std::vector<Node> nodes;
    std::vector<std::vector<int>> strong, weak;
    std::vector<CandidateSet> sees; // candidates that cannot be true with the node
};

void link(std::vector<std::vector<int>> &adj, int a, int b)
{
    adj[static_cast<std::size_t>(a)].push_back(b);
    adj[static_cast<std::size_t>(b)].push_back(a);
}

Graph build(const Board &b, unsigned links)
{
    const auto &t = tables();
    Graph g;
    CellSet with[10];
    for (int d = 1; d <= 9; ++d)
        with[d] = b.cellsWith(d);
    for (int c = 0; c < 81; ++c) {
        const Mask m = b.cand[static_cast<std::size_t>(c)];
        if ((links & BivalueOnly) && popcount(m) != 2)
            continue;
        forEachDigit(m, [&](int d) { g.nodes.push_back({d, CellSet::of(c)}); });
    }
    const int singles = static_cast<int>(g.nodes.size());
    if (links & Groups)
        for (int box = 18; box < 27; ++box)
            for (int line = 0; line < 18; ++line) {
                const CellSet seg = t.unitSet[static_cast<std::size_t>(box)] & t.unitSet[static_cast<std::size_t>(line)];
                if (seg.empty())
                    continue;
                for (int d = 1; d <= 9; ++d) {
                    const CellSet cells = with[d] & seg;
                    if (cells.count() >= 2)
                        g.nodes.push_back({d, cells});
                }
            }
    const std::size_t n = g.nodes.size();
    g.strong.resize(n);
    g.weak.resize(n);
    g.sees.resize(n);
    // Same digit within a unit.
    for (int u = 0; u < 27; ++u) {
        const CellSet &unit = t.unitSet[static_cast<std::size_t>(u)];
        std::vector<int> members;
        for (std::size_t i = 0; i < n; ++i)
            if ((g.nodes[i].cells - unit).empty())
                members.push_back(static_cast<int>(i));
        for (std::size_t i = 0; i < members.size(); ++i)
            for (std::size_t j = i + 1; j < members.size(); ++j) {
                const Node &p = g.nodes[static_cast<std::size_t>(members[i])];
                const Node &q = g.nodes[static_cast<std::size_t>(members[j])];
                if (p.digit != q.digit || !(p.cells & q.cells).empty())
                    continue;
                if (links & UnitWeak)
                    link(g.weak, members[i], members[j]);
                if ((links & UnitStrong) && (p.cells | q.cells) == (with[p.digit] & unit))
                    link(g.strong, members[i], members[j]);
            }
    }
    // Digits of one cell: the single nodes of a cell are consecutive.
    for (int i = 0; i < singles;) {
        int j = i;
        while (j < singles && g.nodes[static_cast<std::size_t>(j)].cells == g.nodes[static_cast<std::size_t>(i)].cells)
            ++j;
        for (int p = i; p < j; ++p)
            for (int q = p + 1; q < j; ++q) {
                if (links & CellWeak)
                    link(g.weak, p, q);
                if ((links & CellStrong) && j - i == 2 && popcount(b.cand[static_cast<std::size_t>(g.nodes[static_cast<std::size_t>(p)].cells.first())]) == 2)
                    link(g.strong, p, q);
            }
        i = j;
    }
    for (std::size_t i = 0; i < n; ++i) {
        auto tidy = [](std::vector<int> &v) {
            std::sort(v.begin(), v.end());
            v.erase(std::unique(v.begin(), v.end()), v.end());
        };
        tidy(g.strong[i]);
        tidy(g.weak[i]);
        const Node &node = g.nodes[i];
        CandidateSet &s = g.sees[i];
        (commonPeers(node.cells) & with[node.digit]).forEach([&](int c) { s.set(c, node.digit); });
        if (node.cells.count() == 1) {
            const int c = node.cells.first();
            forEachDigit(b.cand[static_cast<std::size_t>(c)], [&](int d) {
                if (d != node.digit)
                    s.set(c, d);
            });
        }
    }
    return g;
}

struct Best {
    int length = INT_MAX;
    int count = 0;
    CandidateSet strike;
    int start = -1, end = -1; // the node assumed false, the one then true
};

// Breadth-first from every start, so each end is reached by its shortest
// chain; keeps the shortest chain that strikes anything.
void search(const Graph &g, int maxLength, Best &best)
{
    const int n = static_cast<int>(g.nodes.size());
    std::vector<int> distTrue(static_cast<std::size_t>(n)), distFalse(static_cast<std::size_t>(n));
    std::vector<int> queue(static_cast<std::size_t>(2 * n));
    for (int s = 0; s < n; ++s) {
        if (g.strong[static_cast<std::size_t>(s)].empty())
            continue;
        std::fill(distTrue.begin(), distTrue.end(), -1);
        std::fill(distFalse.begin(), distFalse.end(), -1);
        int head = 0, tail = 0;
        distFalse[static_cast<std::size_t>(s)] = 0;
        queue[static_cast<std::size_t>(tail++)] = 2 * s; // even: false, odd: true
        while (head < tail) {
            const int item = queue[static_cast<std::size_t>(head++)];
            const int x = item / 2;
            const bool isTrue = item & 1;
            const int next = (isTrue ? distTrue : distFalse)[static_cast<std::size_t>(x)] + 1;
            if (next > maxLength || next > best.length)
                break;
            if (!isTrue) {
                for (int y : g.strong[static_cast<std::size_t>(x)]) {
                    if (distTrue[static_cast<std::size_t>(y)] >= 0)
                        continue;
                    distTrue[static_cast<std::size_t>(y)] = next;
                    queue[static_cast<std::size_t>(tail++)] = 2 * y + 1;
                    const CandidateSet strike = g.sees[static_cast<std::size_t>(s)] & g.sees[static_cast<std::size_t>(y)];
                    const int count = strike.count();
                    if (count && (next < best.length || (next == best.length && count > best.count)))
                        best = {next, count, strike, s, y};
                }
            } else {
                for (int z : g.weak[static_cast<std::size_t>(x)]) {
                    if (distFalse[static_cast<std::size_t>(z)] >= 0)
                        continue;
                    distFalse[static_cast<std::size_t>(z)] = next;
                    queue[static_cast<std::size_t>(tail++)] = 2 * z;
                }
            }
        }
    }
}

// The nodes of a shortest chain from start (false) to end (true), found
// again for the explanation so that the search itself stores no paths.
std::vector<int> chainPath(const Graph &g, int start, int end)
{
    const std::size_t n = g.nodes.size();
    std::vector<int> from(2 * n, -2); // per node and truth (odd: true)
    std::vector<int> queue{2 * start};
    from[static_cast<std::size_t>(2 * start)] = -1;
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int item = queue[head];
        if (item == 2 * end + 1)
            break;
        const int x = item / 2;
        const bool isTrue = item & 1;
        for (int y : (isTrue ? g.weak : g.strong)[static_cast<std::size_t>(x)]) {
            const int to = 2 * y + (isTrue ? 0 : 1);
            if (from[static_cast<std::size_t>(to)] != -2)
                continue;
            from[static_cast<std::size_t>(to)] = item;
            queue.push_back(to);
        }
    }
    std::vector<int> path;
    for (int item = 2 * end + 1; item >= 0 && from[static_cast<std::size_t>(item)] != -2;
         item = from[static_cast<std::size_t>(item)])
        path.insert(path.begin(), item / 2);
    return path;
}

// A chain of more links than this is not one a player finds by hand;
// puzzles that need one are beyond the ladder.
constexpr int kMaxLinks = 15;

bool chain(Board &b, unsigned links, int &extra)
{
    const Graph g = build(b, links);
    // Short chains are cheap to find and the ones a player sees first;
    // each pass keeps the shortest chain within its limit.
    for (int cap : {3, 5, 9, kMaxLinks}) {
        Best best;
        search(g, cap, best);
        if (best.count) {
            best.strike.forEach([&](int cell, int d) { b.remove(cell, d); });
            extra = best.length;
            if (b.trace) {
                ChainTrace t{.links = best.length};
                for (int v : chainPath(g, best.start, best.end)) {
                    const Node &node = g.nodes[static_cast<std::size_t>(v)];
                    t.nodes.push_back({.digit = node.digit, .cells = node.cells});
                }
                *b.trace = std::move(t);
            }
            return true;
        }
    }
    return false;
}

} // namespace

bool xCycle(Board &b, int &extra) { return chain(b, UnitStrong | UnitWeak, extra); }
bool xyChain(Board &b, int &extra) { return chain(b, CellStrong | UnitWeak | BivalueOnly, extra); }
bool alternatingChain(Board &b, int &extra) { return chain(b, UnitStrong | CellStrong | UnitWeak | CellWeak, extra); }
bool groupedChain(Board &b, int &extra)
{
    return chain(b, UnitStrong | CellStrong | UnitWeak | CellWeak | Groups, extra);
}

// "r1c2=5 — r1c7=5 — r1c7=3": short enough to read a chain of eight links
// in the window at a glance; a group's cells share the digit, "r1c2/r1c3=5".
Description describeChain(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<ChainTrace>(trace);
    if (t.nodes.empty())
        return {};
    std::vector<int> through;
    QStringList links;
    for (const ChainTrace::Node &n : t.nodes) {
        QStringList cells;
        n.cells.forEach([&](int x) {
            cells << words::shortCell(x);
            if (std::find(through.begin(), through.end(), x) == through.end())
                through.push_back(x);
        });
        links << QStringLiteral("%1=%2").arg(cells.join(QLatin1Char('/'))).arg(n.digit);
    }
    const QString chain = links.join(QStringLiteral(" \u2014 "));
    const ChainTrace::Node &first = t.nodes.front(), &last = t.nodes.back();
    if (first.digit == last.digit && first.cells == last.cells) // a loop back to its start
        return {QStringLiteral("A chain of %1 links, %2, shows that %3 is true, so no candidate that conflicts "
                               "with it can be. %4")
                    .arg(t.links)
                    .arg(chain, links.front(), remove),
                through};
    return {QStringLiteral("A chain of %1 links, %2, shows that %3 or %4 is true, so no candidate that conflicts "
                           "with both can be. %5")
                .arg(t.links)
                .arg(chain, links.front(), links.back(), remove),
            through};
}

// The strong links, the first of every two: a bivalue cell, or a digit's
// only two places in a unit.
void readsChain(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<ChainTrace>(trace);
    for (std::size_t i = 0; i + 1 < t.nodes.size(); i += 2) {
        const ChainTrace::Node &p = t.nodes[i], &q = t.nodes[i + 1];
        if (p.digit == q.digit)
            reads::digitInUnitsOf(r, p.cells | q.cells, p.digit);
        else
            reads::cells(r, p.cells | q.cells);
    }
}

} // namespace grader
