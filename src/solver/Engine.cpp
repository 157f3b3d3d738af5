#include "solver/Engine.h"

#include <bit>

namespace engine {

namespace {

struct Tables {
    // Units: 9 rows, 9 columns, 9 boxes.
    std::array<std::array<std::uint8_t, 9>, 27> unit{};
    std::array<std::array<std::uint8_t, 20>, 81> peer{};
    Tables()
    {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 9; ++j) {
                unit[static_cast<size_t>(i)][static_cast<size_t>(j)] = static_cast<std::uint8_t>(i * 9 + j);
                unit[static_cast<size_t>(9 + i)][static_cast<size_t>(j)] = static_cast<std::uint8_t>(j * 9 + i);
                const int r = (i / 3) * 3 + j / 3, c = (i % 3) * 3 + j % 3;
                unit[static_cast<size_t>(18 + i)][static_cast<size_t>(j)] = static_cast<std::uint8_t>(r * 9 + c);
            }
        for (int a = 0; a < 81; ++a) {
            int n = 0;
            for (int b = 0; b < 81; ++b) {
                if (a == b)
                    continue;
                const bool sameRow = a / 9 == b / 9, sameCol = a % 9 == b % 9;
                const bool sameBox = (a / 27 == b / 27) && ((a % 9) / 3 == (b % 9) / 3);
                if (sameRow || sameCol || sameBox)
                    peer[static_cast<size_t>(a)][static_cast<size_t>(n++)] = static_cast<std::uint8_t>(b);
            }
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

constexpr std::uint16_t kAll = 0x1FF;

// The search state: the values and every empty cell's candidates.
struct State {
    Grid value{};
    std::array<std::uint16_t, 81> cand{};
    int empty = 0;

    // Places d at i and strikes it from the peers; false on a dead peer.
    bool place(int i, int d)
    {
        const std::uint16_t bit = static_cast<std::uint16_t>(1u << (d - 1));
        value[static_cast<size_t>(i)] = static_cast<std::uint8_t>(d);
        cand[static_cast<size_t>(i)] = 0;
        --empty;
        for (std::uint8_t p : tables().peer[static_cast<size_t>(i)]) {
            std::uint16_t &c = cand[p];
            if (c & bit) {
                c = static_cast<std::uint16_t>(c & ~bit);
                if (c == 0 && value[p] == 0)
                    return false;
            }
        }
        return true;
    }

    // Naked and hidden singles until nothing changes; false on a
    // contradiction (a dead cell, or a digit with no place in a unit).
    bool propagate()
    {
        bool changed = true;
        while (changed && empty > 0) {
            changed = false;
            for (int i = 0; i < 81; ++i) {
                if (value[static_cast<size_t>(i)])
                    continue;
                const std::uint16_t c = cand[static_cast<size_t>(i)];
                if (c == 0)
                    return false;
                if ((c & (c - 1)) == 0) {
                    if (!place(i, std::countr_zero(c) + 1))
                        return false;
                    changed = true;
                }
            }
            for (const auto &u : tables().unit) {
                std::uint16_t once = 0, twice = 0, placed = 0;
                for (std::uint8_t i : u) {
                    const std::uint16_t c = cand[i];
                    twice |= once & c;
                    once |= c;
                    if (value[i])
                        placed |= static_cast<std::uint16_t>(1u << (value[i] - 1));
                }
                if ((once | placed) != kAll)
                    return false;
                std::uint16_t single = static_cast<std::uint16_t>(once & ~twice & ~placed);
                while (single) {
                    const int d = std::countr_zero(single) + 1;
                    single = static_cast<std::uint16_t>(single & (single - 1));
                    for (std::uint8_t i : u) {
                        if (cand[i] & (1u << (d - 1))) {
                            if (!place(i, d))
                                return false;
                            changed = true;
                            break;
                        }
                    }
                }
            }
        }
        return true;
    }
};

struct Search {
    int limit;
    Result result;

    // Depth-first from a propagated state; true once the limit is reached.
    bool run(State &s)
    {
        if (s.empty == 0) {
            if (result.count == 0)
                result.first = s.value;
            else if (result.count == 1)
                result.second = s.value;
            return ++result.count >= limit;
        }
        int i = 0;
        while (s.value[static_cast<size_t>(i)])
            ++i;
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
};

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

Result solve(const Grid &puzzle, int limit)
{
    Search search{limit < 1 ? 1 : limit, {}};
    if (!consistent(puzzle))
        return search.result;
    State s;
    s.cand.fill(kAll);
    s.empty = 81;
    for (int i = 0; i < 81; ++i)
        if (puzzle[static_cast<size_t>(i)] && !s.place(i, puzzle[static_cast<size_t>(i)]))
            return search.result;
    if (s.propagate())
        search.run(s);
    return search.result;
}

int countSolutions(const QString &puzzle81, int limit) { return solve(parse(puzzle81), limit).count; }

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
