#pragma once

// Where the cells sit inside the 422 x 422 board: 46-pixel cells from an
// edge of 2, with 2 more pixels after the third and the sixth column (row).
namespace boardplaces {

inline constexpr int kBoardSize = 422;
inline constexpr int kCellSize = 46;

// Left edge of column c (and top edge of row c), c = 1..9: 2, 48, 94, 142, ...
constexpr int cellEdge(int c) { return (c - 1) * 46 + 2 + (c > 3 ? 2 : 0) + (c > 6 ? 2 : 0); }

} // namespace boardplaces
