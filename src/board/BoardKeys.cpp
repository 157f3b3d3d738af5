#include "board/BoardKeys.h"

namespace boardkeys {

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
