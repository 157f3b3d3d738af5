#include "solver/Engine.h"

#include "solver/EngineState.h"
#include "solver/EngineTables.h"

#include <bit>

namespace engine {

namespace {

// Candidates per mask. Without a popcount instruction in the baseline
// target, std::popcount is a library call; this table is one load.
constexpr std::array<std::uint8_t, 512> kCandidates = [] {
    std::array<std::uint8_t, 512> t{};
    for (std::size_t m = 1; m < t.size(); ++m)
        t[m] = static_cast<std::uint8_t>(t[m >> 1] + (m & 1));
    return t;
}();

struct Search {
    int limit;
    bool ordered; // first empty cell (solutions in order) or fewest candidates
    Result result;

    // Depth-first from a propagated state; true once the limit is reached.
    bool run(const State &s)
    {
        if (s.empty == 0) {
            if (result.count == 0)
                result.first = s.value;
            else if (result.count == 1)
                result.second = s.value;
            return ++result.count >= limit;
        }
        const int i = ordered ? firstEmpty(s) : fewestCandidates(s);
        std::uint16_t c = s.cand[static_cast<size_t>(i)];
        while (c) {
            const int d = std::countr_zero(c) + 1;
            c = static_cast<std::uint16_t>(c & (c - 1));
            State next = s;
            if (next.place(i, d) && next.propagate() && run(next))
                return true;
        }
        return false;
    }

    static int firstEmpty(const State &s)
    {
        int i = 0;
        while (s.value[static_cast<size_t>(i)])
            ++i;
        return i;
    }

    static int fewestCandidates(const State &s)
    {
        int best = 0, fewest = 10;
        for (int k = 0; k < 81 && fewest > 2; ++k) {
            if (s.value[static_cast<size_t>(k)])
                continue;
            const int n = kCandidates[s.cand[static_cast<size_t>(k)]];
            if (n < fewest) {
                fewest = n;
                best = k;
            }
        }
        return best;
    }
};

Result run(const Grid &puzzle, int limit, bool ordered)
{
    Search search{limit < 1 ? 1 : limit, ordered, {}};
    // Clashing givens fail here: the second of two equal digits finds its
    // candidate struck by the first.
    State s;
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<size_t>(i)] && !s.place(i, puzzle[static_cast<size_t>(i)]))
            return search.result;
    if (s.propagate())
        search.run(s);
    return search.result;
}

} // namespace

Grid parse(const char *puzzle, std::size_t length)
{
    Grid g{};
    for (std::size_t i = 0; i < 81 && i < length; ++i) {
        const char ch = puzzle[i];
        g[i] = ch >= '1' && ch <= '9' ? static_cast<std::uint8_t>(ch - '0') : 0;
    }
    return g;
}

Grid parse(const QString &puzzle)
{
    Grid g{};
    for (qsizetype i = 0; i < 81 && i < puzzle.size(); ++i) {
        const char16_t ch = puzzle.at(i).unicode();
        g[static_cast<size_t>(i)] = ch >= u'1' && ch <= u'9' ? static_cast<std::uint8_t>(ch - u'0') : 0;
    }
    return g;
}

bool consistent(const Grid &grid)
{
    for (const auto &u : tables().unit) {
        unsigned seen = 0;
        for (std::uint8_t i : u) {
            if (!grid[i])
                continue;
            const unsigned bit = 1u << grid[i];
            if (seen & bit)
                return false;
            seen |= bit;
        }
    }
    return true;
}

Result solve(const Grid &puzzle, int limit) { return run(puzzle, limit, true); }

int count(const Grid &puzzle, int limit) { return run(puzzle, limit, false).count; }

Result find(const Grid &puzzle, int limit) { return run(puzzle, limit, false); }

int countSolutions(const QString &puzzle81, int limit) { return count(parse(puzzle81), limit); }

std::optional<Grid> uniqueSolution(const Grid &puzzle)
{
    if (!consistent(puzzle))
        return std::nullopt;
    const Result r = find(puzzle, 2);
    if (r.count != 1)
        return std::nullopt;
    return r.first;
}

QString leastSolution(const QString &puzzle81)
{
    const Result r = solve(parse(puzzle81), 1);
    return r.count ? toString(r.first) : QString();
}

QString toString(const Grid &grid)
{
    QString s(81, QLatin1Char('0'));
    for (int i = 0; i < 81; ++i)
        s[i] = QChar(u'0' + grid[static_cast<size_t>(i)]);
    return s;
}

} // namespace engine
