#include "solver/EngineTables.h"

#include "base/Geometry.h"

namespace engine {

namespace {

constexpr std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v); }

// Row segment (r, stack) when column is false, else column segment (c, band).
constexpr void buildSegment(Tables::Segment &g, bool column, int line, int part)
{
    auto cellAt = [&](int along, int across) {
        return column ? geometry::cellIndex(along, across) : geometry::cellIndex(across, along);
    };
    const int base = column ? 27 : 0;
    int n = 0, m = 0, k = 0;
    for (int j = 0; j < 9; ++j) {
        if (j / 3 == part)
            g.cells[static_cast<std::size_t>(n++)] = u8(cellAt(j, line));
        else
            g.lineRest[static_cast<std::size_t>(m++)] = u8(cellAt(j, line));
    }
    for (int other = 0; other < 3; ++other)
        if (other != part)
            g.lineSiblings[static_cast<std::size_t>(k++)] = u8(base + line * 3 + other);
    k = 0;
    n = 0;
    for (int l = (line / 3) * 3; l < (line / 3) * 3 + 3; ++l) {
        if (l == line)
            continue;
        g.boxSiblings[static_cast<std::size_t>(k++)] = u8(base + l * 3 + part);
        for (int j = part * 3; j < part * 3 + 3; ++j)
            g.boxRest[static_cast<std::size_t>(n++)] = u8(cellAt(j, l));
    }
}

} // namespace

constexpr Tables::Tables() : unit(geometry::kUnitCells), peer(geometry::kPeerCells), unitsOf(geometry::kUnitsOf)
{
    for (int line = 0; line < 9; ++line)
        for (int part = 0; part < 3; ++part) {
            buildSegment(segment[static_cast<std::size_t>(line * 3 + part)], false, line, part);
            buildSegment(segment[static_cast<std::size_t>(27 + line * 3 + part)], true, line, part);
        }
}

constinit const Tables kTables;

} // namespace engine
