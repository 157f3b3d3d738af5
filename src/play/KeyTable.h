#pragma once

#include "board/BoardKeys.h"

#include <Qt>

#include <vector>

// Every key of the game once: what it does and the words a player reads.
// The main window dispatches from it, How to Play lists it, and a test
// holds the README and the manual page to it.
namespace keytable {

enum class Action {
    None,        // not one of the game's keys
    Mode,        // arg: 0 None, 1 All, 2 Only one
    SelectDigit, // arg: the digit
    Explain,     // Tools > Explain Next Step (the menu item's shortcut)
    WalkBack,    // the Next Step window's Back (its button's shortcut)
    WalkNext,    // the Next Step window's Next
    CloseWindow, // the Next Step window's Escape
    Pause,
    Move,      // arg: a boardkeys::Move
    Primary,   // what the left button does at the cursor
    Secondary, // what the right button does at the cursor
    Menu,      // the cell's candidate menu
    Undo,
    Redo,
    Focus, // Qt moves the focus
};

struct Command {
    Action action = Action::None;
    int arg = 0;
    bool operator==(const Command &) const = default;
};

struct Binding {
    int key = 0; // a Qt::Key
    Qt::KeyboardModifiers modifiers;
    Command command;
    bool anyModifiers = false; // the key counts whatever else is held
    bool keypad = true;        // the keypad's key of that code counts too
};

struct Row {
    const char *keys;  // the keys as a player reads them
    const char *words; // what they do
    std::vector<Binding> bindings;
};

const std::vector<Row> &rows();

// The command of a key with its modifiers; Action::None for any other key.
Command commandFor(int key, Qt::KeyboardModifiers modifiers);

// The first binding of an action, for a shortcut that shows it.
Binding bindingOf(Action action, int arg = 0);

} // namespace keytable
