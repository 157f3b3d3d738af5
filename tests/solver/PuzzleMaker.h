#pragma once

// Random valid grids and puzzles cut from them, for tests and benchmarks.
#include <QString>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace puzzlemaker {

inline QString randomGrid(std::mt19937 &rng)
{
    const char *base = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    std::array<int, 9> digit{};
    std::iota(digit.begin(), digit.end(), 1);
    std::shuffle(digit.begin(), digit.end(), rng);
    // Rows within bands, bands; columns within stacks, stacks; a transpose.
    std::array<int, 9> row{}, col{};
    std::array<int, 3> bands{0, 1, 2}, stacks{0, 1, 2};
    std::shuffle(bands.begin(), bands.end(), rng);
    std::shuffle(stacks.begin(), stacks.end(), rng);
    for (int b = 0; b < 3; ++b) {
        std::array<int, 3> in{0, 1, 2}, ic{0, 1, 2};
        std::shuffle(in.begin(), in.end(), rng);
        std::shuffle(ic.begin(), ic.end(), rng);
        for (int k = 0; k < 3; ++k) {
            row[static_cast<size_t>(b * 3 + k)] = bands[static_cast<size_t>(b)] * 3 + in[static_cast<size_t>(k)];
            col[static_cast<size_t>(b * 3 + k)] = stacks[static_cast<size_t>(b)] * 3 + ic[static_cast<size_t>(k)];
        }
    }
    const bool transpose = rng() & 1;
    QString out(81, QLatin1Char('0'));
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
            const int rr = row[static_cast<size_t>(r)], cc = col[static_cast<size_t>(c)];
            const int src = transpose ? cc * 9 + rr : rr * 9 + cc;
            out[r * 9 + c] = QChar(u'0' + digit[static_cast<size_t>(base[src] - '1')]);
        }
    return out;
}

// The grid with `blanks` random cells replaced by '*'.
inline QString blankOut(const QString &grid, int blanks, std::mt19937 &rng)
{
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    QString out = grid;
    for (int i = 0; i < blanks && i < 81; ++i)
        out[order[static_cast<size_t>(i)]] = QLatin1Char('*');
    return out;
}

} // namespace puzzlemaker
