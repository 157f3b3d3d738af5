#include "solver/Usol.h"

#include "solver/Engine.h"

#include <algorithm>

bool Tfrm_sol::IsConflictFree(const QString &puzzle) const
{
    // Only "1".."9" are givens: a pasted "." or "0" is a blank, never a
    // digit that could clash with another.
    return engine::consistent(engine::parse(puzzle));
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
    // Counting is much cheaper than the ordered search and a unique
    // puzzle's only solution is its least; order matters only with two.
    const engine::Result found = engine::find(grid, 2);
    if (found.count == 0) {
        first = engine::toString(grid);
        return 1;
    }
    if (found.count == 1) {
        first = second = engine::toString(found.first);
        return 0;
    }
    const engine::Result least = engine::solve(grid, 1);
    first = engine::toString(least.first);
    // The board turned by 180 degrees: its least solution, turned back, is
    // the least solution compared from cell 81 backward.
    engine::Grid turned = grid;
    std::reverse(turned.begin(), turned.end());
    engine::Grid backward = engine::solve(turned, 1).first;
    std::reverse(backward.begin(), backward.end());
    // When both orders agree, the second string is the next solution after
    // the least one.
    second = engine::toString(backward != least.first ? backward : engine::solve(grid, 2).second);
    return 2;
}
