#include "solver/Engine.h"

#include "solver/EngineSearch.h"
#include "solver/EngineTables.h"

namespace engine {

namespace {

Result run(const Grid &puzzle, int limit, bool ordered)
{
    // Clashing givens fail here: the second of two equal digits finds its
    // candidate struck by the first.
    State s;
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<size_t>(i)] && !s.place(i, puzzle[static_cast<size_t>(i)]))
            return {};
    if (!s.propagate())
        return {};
    return ordered ? orderedFrom(s, limit) : countFrom(s, limit);
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
