#include "solver/EngineTables.h"

namespace engine {

namespace {

constexpr std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v); }

// Row segment (r, stack) when column is false, else column segment (c, band).
constexpr void buildSegment(Tables::Segment &g, bool column, int line, int part)
{
    auto cellAt = [&](int along, int across) { return column ? along * 9 + across : across * 9 + along; };
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

constexpr Tables::Tables()
{
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            unit[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = u8(i * 9 + j);
            unit[static_cast<std::size_t>(9 + i)][static_cast<std::size_t>(j)] = u8(j * 9 + i);
            const int r = (i / 3) * 3 + j / 3, c = (i % 3) * 3 + j % 3;
            unit[static_cast<std::size_t>(18 + i)][static_cast<std::size_t>(j)] = u8(r * 9 + c);
        }
    for (int a = 0; a < 81; ++a)
        unitsOf[static_cast<std::size_t>(a)] = {u8(a / 9), u8(9 + a % 9), u8(18 + (a / 27) * 3 + (a % 9) / 3)};
    for (int a = 0; a < 81; ++a) {
        int n = 0;
        for (int b = 0; b < 81; ++b) {
            if (a == b)
                continue;
            const bool sameRow = a / 9 == b / 9, sameCol = a % 9 == b % 9;
            const bool sameBox = (a / 27 == b / 27) && ((a % 9) / 3 == (b % 9) / 3);
            if (sameRow || sameCol || sameBox)
                peer[static_cast<std::size_t>(a)][static_cast<std::size_t>(n++)] = u8(b);
        }
    }
    for (int line = 0; line < 9; ++line)
        for (int part = 0; part < 3; ++part) {
            buildSegment(segment[static_cast<std::size_t>(line * 3 + part)], false, line, part);
            buildSegment(segment[static_cast<std::size_t>(27 + line * 3 + part)], true, line, part);
        }
}

constinit const Tables kTables;

} // namespace engine
