#pragma once

// Independent checks of solver answers: they share no code with the engine.
#include <QString>

#include <array>
#include <cstdint>

namespace solverchecks {

inline int digitAt(const QString &s, int i)
{
    if (i >= s.size())
        return 0;
    const char16_t ch = s.at(i).unicode();
    return ch >= u'1' && ch <= u'9' ? ch - u'0' : 0;
}

inline bool peers(int a, int b)
{
    return a != b && (a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && (a % 9) / 3 == (b % 9) / 3));
}

// True when solution is a full valid grid that keeps every given of puzzle.
inline bool isSolutionOf(const QString &puzzle, const QString &solution)
{
    if (solution.size() != 81)
        return false;
    for (int i = 0; i < 81; ++i) {
        const int d = digitAt(solution, i);
        if (d == 0 || (digitAt(puzzle, i) && digitAt(puzzle, i) != d))
            return false;
        for (int j = i + 1; j < 81; ++j)
            if (peers(i, j) && digitAt(solution, j) == d)
                return false;
    }
    return true;
}

// Plain backtracking on the cell with fewest candidates, counting up to
// limit solutions; clashing givens count as none. With fillSingles, naked
// and hidden singles are placed before every guess. guesses() counts the
// branches tried, the hardness measure of bench/make_solver_sets.
class Counter {
public:
    explicit Counter(const QString &puzzle)
    {
        for (int i = 0; i < 81; ++i)
            start[static_cast<size_t>(i)] = digitAt(puzzle, i);
        findClash();
    }
    explicit Counter(const std::array<std::uint8_t, 81> &grid)
    {
        for (size_t i = 0; i < 81; ++i)
            start[i] = grid[i];
        findClash();
    }
    int count(int limit, bool fillSingles = false)
    {
        found = 0;
        tried = 0;
        singles = fillSingles;
        if (!clash)
            run(start, limit);
        return found;
    }
    long guesses() const { return tried; }

private:
    using Cells = std::array<int, 81>;
    struct Tables {
        std::array<std::array<int, 20>, 81> peer{};
        std::array<std::array<int, 9>, 27> unit{}; // rows, columns, boxes
        Tables()
        {
            for (int a = 0; a < 81; ++a) {
                int n = 0;
                for (int b = 0; b < 81; ++b)
                    if (peers(a, b))
                        peer[static_cast<size_t>(a)][static_cast<size_t>(n++)] = b;
            }
            for (int i = 0; i < 9; ++i)
                for (int j = 0; j < 9; ++j) {
                    unit[static_cast<size_t>(i)][static_cast<size_t>(j)] = i * 9 + j;
                    unit[static_cast<size_t>(9 + i)][static_cast<size_t>(j)] = j * 9 + i;
                    unit[static_cast<size_t>(18 + i)][static_cast<size_t>(j)] =
                        ((i / 3) * 3 + j / 3) * 9 + (i % 3) * 3 + j % 3;
                }
        }
    };
    static const Tables &tables()
    {
        static const Tables t;
        return t;
    }

    Cells start{};
    bool clash = false;
    bool singles = false;
    int found = 0;
    long tried = 0;

    void findClash()
    {
        for (int i = 0; i < 81; ++i)
            for (int j = 0; j < i; ++j)
                if (start[static_cast<size_t>(i)] && peers(i, j) && start[static_cast<size_t>(j)] == start[static_cast<size_t>(i)])
                    clash = true;
    }
    static unsigned options(const Cells &cell, int i)
    {
        unsigned used = 0;
        for (int p : tables().peer[static_cast<size_t>(i)])
            used |= 1u << cell[static_cast<size_t>(p)];
        return ~used & 0x3FEu;
    }
    // Places naked and hidden singles until none is left; false on a
    // contradiction.
    static bool settle(Cells &cell)
    {
        for (bool again = true; again;) {
            again = false;
            for (int i = 0; i < 81; ++i) {
                if (cell[static_cast<size_t>(i)])
                    continue;
                const unsigned o = options(cell, i);
                if (!o)
                    return false;
                if (!(o & (o - 1))) {
                    cell[static_cast<size_t>(i)] = __builtin_ctz(o);
                    again = true;
                }
            }
            for (const auto &u : tables().unit)
                for (int d = 1; d <= 9; ++d) {
                    int where = -1, places = 0;
                    for (int i : u) {
                        if (cell[static_cast<size_t>(i)] == d) {
                            places = -1;
                            break;
                        }
                        if (!cell[static_cast<size_t>(i)] && (options(cell, i) >> d & 1u)) {
                            where = i;
                            ++places;
                        }
                    }
                    if (places == 0)
                        return false;
                    if (places == 1) {
                        cell[static_cast<size_t>(where)] = d;
                        again = true;
                    }
                }
        }
        return true;
    }
    void run(Cells cell, int limit)
    {
        if (singles && !settle(cell))
            return;
        int best = -1, bestCount = 10;
        unsigned bestOptions = 0;
        for (int i = 0; i < 81; ++i) {
            if (cell[static_cast<size_t>(i)])
                continue;
            const unsigned o = options(cell, i);
            const int n = __builtin_popcount(o);
            if (n < bestCount) {
                best = i;
                bestCount = n;
                bestOptions = o;
            }
        }
        if (best < 0) {
            ++found;
            return;
        }
        for (int d = 1; d <= 9 && found < limit; ++d)
            if (bestOptions & (1u << d)) {
                ++tried;
                cell[static_cast<size_t>(best)] = d;
                run(cell, limit);
            }
    }
};

// The least solution (compared cell by cell from cell 1) of an 81-cell
// puzzle, built cell by cell: at each blank the smallest digit with which
// Counter still finds a solution. Empty when there is none.
inline QString leastSolution(QString puzzle)
{
    for (int i = 0; i < 81; ++i) {
        if (digitAt(puzzle, i))
            continue;
        int d = 1;
        for (; d <= 9; ++d) {
            puzzle[i] = QChar(u'0' + d);
            if (Counter(puzzle).count(1))
                break;
        }
        if (d > 9)
            return {};
    }
    return puzzle;
}

} // namespace solverchecks
