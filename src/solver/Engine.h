#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The solving engine behind the game, the grader, the bank generator and
// sudoku-tool: bit masks per cell with propagation of singles and locked
// candidates, and two depth-first searches. The counting search branches
// on the cell with the fewest candidates, turning to cells where it met
// contradictions. The ordered search branches on the first empty cell with
// values in ascending order; with sound propagation that order finds the
// solutions in ascending order (compared cell by cell from cell 1), so the
// first one found is the least.
namespace engine {

// 81 values in board order, 0 for a blank.
using Grid = std::array<std::uint8_t, 81>;

// Reads a puzzle string: '1'..'9' a given, any other character and any
// position past the end a blank, characters after the 81st ignored.
Grid parse(const QString &puzzle);
Grid parse(const char *puzzle, std::size_t length);

// True when no two givens share a row, column or box.
bool consistent(const Grid &grid);

struct Result {
    int count = 0;   // solutions found, at most the limit asked for
    Grid first{};    // the least solution, when count >= 1
    Grid second{};   // the next one in the same order, when count >= 2
};

// Finds solutions in ascending order up to limit (a limit below 1 counts
// up to 1). Clashing givens count as no solution. A branch in which the
// counting search finds no solution is never entered, so each solution
// costs at most one count per candidate of each cell; still, use count()
// for counting.
Result solve(const Grid &puzzle, int limit);

// Number of solutions up to limit, from the counting search: faster than
// solve() when the order does not matter.
int count(const Grid &puzzle, int limit);

// As count(), keeping the first two solutions met; they are in no
// particular order, so the least only when there is exactly one.
Result find(const Grid &puzzle, int limit);

// Exact number of solutions of a puzzle string, stopping at limit.
int countSolutions(const QString &puzzle81, int limit);

// The least solution as 81 digits, or an empty string when there is none.
QString leastSolution(const QString &puzzle81);

// The solution of a puzzle that has exactly one (its givens not clashing);
// nothing otherwise.
std::optional<Grid> uniqueSolution(const Grid &puzzle);

// 81 characters '0'..'9'.
QString toString(const Grid &grid);

} // namespace engine
