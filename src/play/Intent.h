#pragma once

#include "play/KeyTable.h"

#include <QString>

// What a press on the board means, the same for a click and a key: the
// window decides nothing itself, it applies the intent. Window-free.
namespace intent {

enum class Kind {
    None,       // nothing happens
    Touch,      // the press reached a cell or mark and changes nothing (the refresh still runs)
    Write,      // mode None: the selected digit into the cell
    Empty,      // mode None: the cell emptied
    TakeBack,   // a placed digit back to the cell's candidates
    PlaceMark,  // the mark's digit becomes the cell's digit
    StrikeMark, // the mark's digit leaves the cell's candidates
    Menu,       // the cell's candidate menu
    Undo,
    Redo,
};

enum class Mode { None, All, OnlyOne };
enum class Button { Left, Right, Other };

struct Intent {
    Kind kind = Kind::None;
    int digit = 0;       // Write, PlaceMark, StrikeMark
    bool onMark = false; // Touch: it reached a mark, not the cell
    bool operator==(const Intent &) const = default;
};

// The board at the pressed cell, as the decision needs it.
struct At {
    Mode mode = Mode::None;
    int selected = 0; // the digit down on the pad, 0 for none
    int state = 0;    // the cell's state
    QString value;    // the cell's value
    bool menu = false; // the cell carries the candidate menu
};

// A mouse button on the cell itself.
Intent cellClick(Button button, const At &at);
// A mouse button on the cell's candidate mark of digit.
Intent markClick(Button button, int digit);
// A key's command at the cursor's cell (Primary, Secondary, Menu), or Undo
// and Redo anywhere.
Intent key(keytable::Action action, const At &at);

} // namespace intent
