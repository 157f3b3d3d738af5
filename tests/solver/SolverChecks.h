#pragma once

// Independent checks of solver answers: they share no code with the engine.
#include <QString>

#include <array>

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
// limit solutions; clashing givens count as none.
class Counter {
public:
    explicit Counter(const QString &puzzle)
    {
        for (int i = 0; i < 81; ++i) {
            cell[static_cast<size_t>(i)] = digitAt(puzzle, i);
            for (int j = 0; j < i; ++j)
                if (cell[static_cast<size_t>(i)] && peers(i, j) && cell[static_cast<size_t>(j)] == cell[static_cast<size_t>(i)])
                    clash = true;
        }
    }
    int count(int limit)
    {
        found = 0;
        if (!clash)
            run(limit);
        return found;
    }

private:
    std::array<int, 81> cell{};
    bool clash = false;
    int found = 0;

    unsigned options(int i) const
    {
        unsigned used = 0;
        for (int j = 0; j < 81; ++j)
            if (peers(i, j))
                used |= 1u << cell[static_cast<size_t>(j)];
        return ~used & 0x3FEu;
    }
    void run(int limit)
    {
        int best = -1, bestCount = 10;
        unsigned bestOptions = 0;
        for (int i = 0; i < 81; ++i) {
            if (cell[static_cast<size_t>(i)])
                continue;
            const unsigned o = options(i);
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
                cell[static_cast<size_t>(best)] = d;
                run(limit);
            }
        cell[static_cast<size_t>(best)] = 0;
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
