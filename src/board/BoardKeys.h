#pragma once

#include <Qt>

// What a key does on the board, the same on every platform: the keyboard
// cursor's moves and the keys that stand in for the mouse at the cursor.
// Window-free, so the table is tested without widgets.
namespace boardkeys {

enum class Action {
    None,      // not a board key
    Move,      // the cursor moves (see Move)
    Primary,   // what the left button does at the cursor
    Secondary, // what the right button does at the cursor
    Menu,      // the cell's candidate menu, where the right button opens it
    Undo,      // the history's back button
    Redo,      // the history's forward button
};

enum class Move { Left, Right, Up, Down, RowFirst, RowLast, ColumnFirst, ColumnLast };

struct Command {
    Action action = Action::None;
    Move move = Move::Left; // only for Action::Move
    bool operator==(const Command &) const = default;
};

// The command of a key with its modifiers; Action::None for every other key.
Command commandFor(int key, Qt::KeyboardModifiers modifiers);

struct Cell {
    int row = 1; // 1..9
    int col = 1; // 1..9
    bool operator==(const Cell &) const = default;
};

// The cell a move leads to; a move off an edge comes back in at the other
// edge of the same row or column.
Cell moved(Cell from, Move move);

} // namespace boardkeys
