#pragma once

// The keyboard cursor's moves on the board (the keys that make them are in
// the key table of the play room). Window-free.
namespace boardkeys {

enum class Move { Left, Right, Up, Down, RowFirst, RowLast, ColumnFirst, ColumnLast };

struct Cell {
    int row = 1; // 1..9
    int col = 1; // 1..9
    bool operator==(const Cell &) const = default;
};

// The cell a move leads to; a move off an edge comes back in at the other
// edge of the same row or column.
Cell moved(Cell from, Move move);

} // namespace boardkeys
