#include "solver/grader/Board.h"

namespace grader {

Tables::Tables() : unitCells(geometry::kUnitCells), unitsOf(geometry::kUnitsOf)
{
    for (std::size_t u = 0; u < 27; ++u)
        for (std::uint8_t c : unitCells[u])
            unitSet[u].set(c);
    for (std::size_t c = 0; c < 81; ++c)
        for (std::uint8_t p : geometry::kPeerCells[c])
            peerSet[c].set(p);
}

const Tables &tables()
{
    static const Tables t;
    return t;
}

CellSet commonPeers(const CellSet &cells)
{
    CellSet all{~std::uint64_t{0}, (std::uint64_t{1} << 17) - 1};
    cells.forEach([&](int c) { all &= tables().peerSet[static_cast<std::size_t>(c)]; });
    return all - cells;
}

bool Board::setPuzzle(const engine::Grid &givens)
{
    value.fill(0);
    cand.fill(0x1FF);
    empty = 81;
    for (int c = 0; c < 81; ++c) {
        const int d = givens[static_cast<std::size_t>(c)];
        if (!d)
            continue;
        if (!has(c, d))
            return false;
        place(c, d);
    }
    return true;
}

void Board::place(int cell, int d)
{
    value[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(d);
    cand[static_cast<std::size_t>(cell)] = 0;
    --empty;
    tables().peerSet[static_cast<std::size_t>(cell)].forEach(
        [&](int p) { cand[static_cast<std::size_t>(p)] &= static_cast<Mask>(~bit(d)); });
}

bool Board::remove(int cell, int d)
{
    Mask &m = cand[static_cast<std::size_t>(cell)];
    if (!(m & bit(d)))
        return false;
    m = static_cast<Mask>(m & ~bit(d));
    return true;
}

bool Board::removeFrom(const CellSet &cells, int d)
{
    bool any = false;
    cells.forEach([&](int c) { any |= remove(c, d); });
    return any;
}

CellSet Board::cellsWith(int d) const
{
    CellSet s;
    const Mask b = bit(d);
    for (int c = 0; c < 81; ++c)
        if (cand[static_cast<std::size_t>(c)] & b)
            s.set(c);
    return s;
}

CellSet Board::openCells() const
{
    CellSet s;
    for (int c = 0; c < 81; ++c)
        if (!value[static_cast<std::size_t>(c)])
            s.set(c);
    return s;
}

bool Board::consistent() const
{
    for (int c = 0; c < 81; ++c)
        if (!value[static_cast<std::size_t>(c)] && !cand[static_cast<std::size_t>(c)])
            return false;
    return true;
}

} // namespace grader
