#include "board/BoardKeys.h"

namespace boardkeys {

Command commandFor(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad sends arrows, Home, End, Enter... with its own modifier
    // (Num Lock off); they mean the same here.
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    const auto move = [](Move m) { return Command{Action::Move, m}; };
    if (mods == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Z: return {Action::Undo};
        case Qt::Key_Y: return {Action::Redo};
        default: return {};
        }
    }
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return key == Qt::Key_Z ? Command{Action::Redo} : Command{};
    if (mods == Qt::ShiftModifier)
        return key == Qt::Key_F10 ? Command{Action::Menu} : Command{};
    if (mods != Qt::NoModifier)
        return {};
    switch (key) {
    case Qt::Key_Left: return move(Move::Left);
    case Qt::Key_Right: return move(Move::Right);
    case Qt::Key_Up: return move(Move::Up);
    case Qt::Key_Down: return move(Move::Down);
    case Qt::Key_Home: return move(Move::RowFirst);
    case Qt::Key_End: return move(Move::RowLast);
    case Qt::Key_PageUp: return move(Move::ColumnFirst);
    case Qt::Key_PageDown: return move(Move::ColumnLast);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return {Action::Primary};
    case Qt::Key_Delete:
    case Qt::Key_Backspace: return {Action::Secondary};
    case Qt::Key_Menu: return {Action::Menu};
    default: return {};
    }
}

Cell moved(Cell from, Move move)
{
    const auto wrap = [](int v) { return (v + 8) % 9 + 1; };
    switch (move) {
    case Move::Left: return {from.row, wrap(from.col - 1)};
    case Move::Right: return {from.row, wrap(from.col + 1)};
    case Move::Up: return {wrap(from.row - 1), from.col};
    case Move::Down: return {wrap(from.row + 1), from.col};
    case Move::RowFirst: return {from.row, 1};
    case Move::RowLast: return {from.row, 9};
    case Move::ColumnFirst: return {1, from.col};
    case Move::ColumnLast: return {9, from.col};
    }
    return from;
}

} // namespace boardkeys
