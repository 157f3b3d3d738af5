#include "play/KeyTable.h"

namespace keytable {

namespace {

Binding key(int k, Command c, Qt::KeyboardModifiers mods = {}) { return {k, mods, c}; }
Binding anyMods(int k, Command c) { return {k, {}, c, true}; }
Command move(boardkeys::Move m) { return {Action::Move, static_cast<int>(m)}; }

std::vector<Row> build()
{
    using boardkeys::Move;
    std::vector<Binding> digits;
    for (int d = 1; d <= 9; ++d)
        digits.push_back({Qt::Key_0 + d, {}, {Action::SelectDigit, d}, true, false});
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier), alt(Qt::AltModifier), shift(Qt::ShiftModifier);
    return {
        {"F1, F2, F3", "Show Candidates: None, All, Only one",
         {anyMods(Qt::Key_F1, {Action::Mode, 0}), anyMods(Qt::Key_F2, {Action::Mode, 1}),
          anyMods(Qt::Key_F3, {Action::Mode, 2})}},
        {"1 to 9 (main row)", "select the digit on the pad", digits},
        {"F4", "Tools > Explain Next Step", {key(Qt::Key_F4, {Action::Explain})}},
        {"Alt+B, Alt+N", "in the Next Step window: the step before, the step after",
         {key(Qt::Key_B, {Action::WalkBack}, alt), key(Qt::Key_N, {Action::WalkNext}, alt)}},
        {"Escape", "in the Next Step window: close it and its frames", {key(Qt::Key_Escape, {Action::CloseWindow})}},
        {"P, Pause", "Tools > Pause; while paused, any key goes on",
         {anyMods(Qt::Key_P, {Action::Pause}), anyMods(Qt::Key_Pause, {Action::Pause})}},
        {"Arrow keys", "show the cursor, then move it; it wraps at the edges",
         {key(Qt::Key_Left, move(Move::Left)), key(Qt::Key_Right, move(Move::Right)), key(Qt::Key_Up, move(Move::Up)),
          key(Qt::Key_Down, move(Move::Down))}},
        {"Home, End", "the first, the last cell of the cursor's row",
         {key(Qt::Key_Home, move(Move::RowFirst)), key(Qt::Key_End, move(Move::RowLast))}},
        {"Page Up, Page Down", "the first, the last cell of the cursor's column",
         {key(Qt::Key_PageUp, move(Move::ColumnFirst)), key(Qt::Key_PageDown, move(Move::ColumnLast))}},
        {"Space, Enter",
         "a left click at the cursor: in None, write the selected digit; in All and Only one, on the selected "
         "digit's mark when the cell shows it, else on the cell",
         {key(Qt::Key_Space, {Action::Primary}), key(Qt::Key_Return, {Action::Primary}),
          key(Qt::Key_Enter, {Action::Primary})}},
        {"Delete, Backspace",
         "a right click at the cursor: in None, empty the cell; in All and Only one, delete the selected digit's mark",
         {key(Qt::Key_Delete, {Action::Secondary}), key(Qt::Key_Backspace, {Action::Secondary})}},
        {"Menu, Shift+F10", "the cell's candidate menu (All, Only one)",
         {key(Qt::Key_Menu, {Action::Menu}), key(Qt::Key_F10, {Action::Menu}, shift)}},
        {"Ctrl+Z", "Back Step", {key(Qt::Key_Z, {Action::Undo}, ctrl)}},
        {"Ctrl+Y, Ctrl+Shift+Z", "Next Step",
         {key(Qt::Key_Y, {Action::Redo}, ctrl), key(Qt::Key_Z, {Action::Redo}, ctrl | shift)}},
        {"Tab, Shift+Tab", "the next, the previous control; the board is one stop",
         {key(Qt::Key_Tab, {Action::Focus}), key(Qt::Key_Backtab, {Action::Focus}, shift)}},
    };
}

} // namespace

const std::vector<Row> &rows()
{
    static const std::vector<Row> table = build();
    return table;
}

Command commandFor(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad sends arrows, Home, End, Enter... with its own modifier
    // (Num Lock off); they mean the same, but for the digits.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    for (const Row &row : rows())
        for (const Binding &b : row.bindings)
            if (b.key == key && (b.keypad || !(modifiers & Qt::KeypadModifier))
                && (b.anyModifiers || b.modifiers == mods))
                return b.command;
    return {};
}

Binding bindingOf(Action action, int arg)
{
    for (const Row &row : rows())
        for (const Binding &b : row.bindings)
            if (b.command == Command{action, arg})
                return b;
    return {};
}

} // namespace keytable
