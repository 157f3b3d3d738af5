#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The fixed layout of the 9 x 9 board, all built at compile time. Cells are
// numbered 0..80 in board order (row by row); rows, columns and boxes count
// from 0, boxes 0, 1, 2 across the top band. Units: rows 0..8, columns
// 9..17, boxes 18..26. The board, the solver and the grader derive their
// own tables from these, so the layout is written once.
namespace geometry {

inline constexpr int kCells = 81;
inline constexpr int kUnits = 27;
inline constexpr int kPeers = 20;

constexpr int cellIndex(int row, int col) { return row * 9 + col; }
// The index of (row, col) counted from 1, as the board's cells count them.
constexpr int boardIndex(int row, int col) { return cellIndex(row - 1, col - 1); }
constexpr int rowOf(int cell) { return cell / 9; }
constexpr int colOf(int cell) { return cell % 9; }
constexpr int boxOf(int cell) { return (cell / 27) * 3 + (cell % 9) / 3; }
constexpr int rowUnit(int row) { return row; }
constexpr int colUnit(int col) { return 9 + col; }
constexpr int boxUnit(int box) { return 18 + box; }
// The j-th cell (0..8) of box b, row by row inside the box.
constexpr int boxCell(int box, int j) { return cellIndex((box / 3) * 3 + j / 3, (box % 3) * 3 + j % 3); }
constexpr bool sameUnit(int a, int b) { return rowOf(a) == rowOf(b) || colOf(a) == colOf(b) || boxOf(a) == boxOf(b); }

using UnitTable = std::array<std::array<std::uint8_t, 9>, kUnits>;
using UnitsOfTable = std::array<std::array<std::uint8_t, 3>, kCells>;
using PeerTable = std::array<std::array<std::uint8_t, kPeers>, kCells>;

// The nine cells of every unit, in board order.
inline constexpr UnitTable kUnitCells = [] {
    UnitTable t{};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            const auto at = static_cast<std::size_t>(j);
            t[static_cast<std::size_t>(rowUnit(i))][at] = static_cast<std::uint8_t>(cellIndex(i, j));
            t[static_cast<std::size_t>(colUnit(i))][at] = static_cast<std::uint8_t>(cellIndex(j, i));
            t[static_cast<std::size_t>(boxUnit(i))][at] = static_cast<std::uint8_t>(boxCell(i, j));
        }
    return t;
}();

// The row, column and box unit of every cell.
inline constexpr UnitsOfTable kUnitsOf = [] {
    UnitsOfTable t{};
    for (int c = 0; c < kCells; ++c)
        t[static_cast<std::size_t>(c)] = {static_cast<std::uint8_t>(rowUnit(rowOf(c))),
                                          static_cast<std::uint8_t>(colUnit(colOf(c))),
                                          static_cast<std::uint8_t>(boxUnit(boxOf(c)))};
    return t;
}();

// The 20 cells sharing a unit with each cell, in board order.
inline constexpr PeerTable kPeerCells = [] {
    PeerTable t{};
    for (int a = 0; a < kCells; ++a) {
        std::size_t n = 0;
        for (int b = 0; b < kCells; ++b)
            if (a != b && sameUnit(a, b))
                t[static_cast<std::size_t>(a)][n++] = static_cast<std::uint8_t>(b);
    }
    return t;
}();

} // namespace geometry
