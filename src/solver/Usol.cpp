#include "solver/Usol.h"

#include "solver/Engine.h"

#include <algorithm>

bool Tfrm_sol::IsConflictFree(const QString &puzzle) const
{
    auto at = [&](int i) { return i < puzzle.size() ? puzzle.at(i) : QChar(); };
    auto given = [&](int i) {
        const QChar ch = at(i);
        return i < puzzle.size() && ch != QLatin1Char('0') && ch != QLatin1Char('*');
    };
    for (int i = 0; i < 81; ++i) {
        if (!given(i))
            continue;
        const int r = i / 9, c = i % 9;
        for (int j = 0; j < 81; ++j) {
            if (j == i || !given(j))
                continue;
            const int k = j / 9, l = j % 9;
            const bool peer = k == r || l == c || (k / 3 == r / 3 && l / 3 == c / 3);
            if (peer && at(j) == at(i))
                return false;
        }
    }
    return true;
}

int Tfrm_sol::SolveString(const QString &puzzle, QString &solution) const
{
    const engine::Grid grid = engine::parse(puzzle);
    const bool full = std::none_of(grid.begin(), grid.end(), [](std::uint8_t v) { return v == 0; });
    if (!full) {
        const engine::Result r = engine::solve(grid, 1);
        if (r.count > 0) {
            solution = engine::toString(r.first);
            return 0;
        }
    }
    solution = engine::toString(grid);
    return 1;
}

int Tfrm_sol::CheckPuzzle(const QString &puzzle, QString &first, QString &second) const
{
    first.clear();
    second.clear();
    if (!IsConflictFree(puzzle))
        return 1;
    const engine::Grid grid = engine::parse(puzzle);
    const bool full = std::none_of(grid.begin(), grid.end(), [](std::uint8_t v) { return v == 0; });
    if (full) {
        first = engine::toString(grid);
        return 1;
    }
    const engine::Result forward = engine::solve(grid, 2);
    if (forward.count == 0) {
        first = engine::toString(grid);
        return 1;
    }
    first = engine::toString(forward.first);
    if (forward.count == 1) {
        second = first;
        return 0;
    }
    // The board turned by 180 degrees: its least solution, turned back, is
    // the least solution compared from cell 81 backward.
    engine::Grid turned = grid;
    std::reverse(turned.begin(), turned.end());
    engine::Grid backward = engine::solve(turned, 1).first;
    std::reverse(backward.begin(), backward.end());
    second = backward != forward.first ? engine::toString(backward) : engine::toString(forward.second);
    return 2;
}
