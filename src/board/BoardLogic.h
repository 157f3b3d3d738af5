#pragma once

#include "board/CellData.h"
#include "base/Geometry.h"

#include <QString>

#include <array>

// The Sudoku services on a position held in 81 cells. They read and write
// only the cells' value, state and errflag, so the playing board, the
// create window's board and window-free tests share them.
namespace boardlogic {

// Box 1..9 of (row, col), boxes 1, 2, 3 across the top band.
constexpr int boxOf(int row, int col) { return geometry::boxOf(geometry::cellIndex(row - 1, col - 1)) + 1; }

// The 20 peers of each cell (board index 0..80), in board order.
const std::array<std::array<int, 20>, 81> &peers();

// 1..9 for the characters '1'..'9', 0 for any other.
constexpr int digitOf(QChar c)
{
    const char16_t u = c.unicode();
    return u >= '1' && u <= '9' ? u - '0' : 0;
}
// The digit a given or big number shows, 0 for an open cell.
int placedDigit(const CellData &cell);

// Digits 1..9, ascending, that no non-open peer of (row, col) holds.
QString candidatesOf(const CellGrid &g, int row, int col);
// Which open cells fillCandidates writes.
enum class Open { All, Empty };
// Every open cell (or every open cell without candidates) gets
// candidatesOf; open cells never limit each other's candidates.
void fillCandidates(CellGrid &g, Open which);
// The cell's own value without one occurrence of each character of its
// non-open peers' values, as ascending digits.
QString filterCandidates(const CellGrid &g, int row, int col);
// Flags the first non-open cell with an equal non-open peer and its last
// such peer; clears every other errflag.
void checkConflicts(CellGrid &g);
// Flags every non-open cell that has a non-open peer of equal value,
// givens included; clears every other errflag.
void checkAllConflicts(CellGrid &g);
bool hasConflict(const CellGrid &g);
// The clashes on the board: pairs of peers that are not open and hold the
// same value, each pair counted once.
int clashCount(const CellGrid &g);
// False at once when a cell is open; otherwise runs checkConflicts.
bool isSolved(CellGrid &g);
// The value of every fixed cell, "0" for the others.
QString givensString(const CellGrid &g);
// Strikes the single digit of (row, col) from the peers that are not fixed.
void removeFromPeers(CellGrid &g, int row, int col);
// Appends digit to the open peers that lack it and can take it again.
void restoreToPeers(CellGrid &g, int row, int col, const QString &digit);

} // namespace boardlogic
