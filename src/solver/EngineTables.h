#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// The board's layout (board/Geometry.h) gathered in one block with the
// solver's own line-box segments, built once.
struct Tables {
    // Units: rows 0..8, columns 9..17, boxes 18..26.
    std::array<std::array<std::uint8_t, 9>, 27> unit{};
    std::array<std::array<std::uint8_t, 20>, 81> peer{};
    std::array<std::array<std::uint8_t, 3>, 81> unitsOf{}; // row, column, box

    // Where a line crosses a box: row segments 0..26 (row * 3 + stack),
    // column segments 27..53 (27 + column * 3 + band).
    struct Segment {
        std::array<std::uint8_t, 3> cells{};
        std::array<std::uint8_t, 2> lineSiblings{}; // same line, other boxes
        std::array<std::uint8_t, 2> boxSiblings{};  // same box, other lines
        std::array<std::uint8_t, 6> lineRest{};     // the line outside the box
        std::array<std::uint8_t, 6> boxRest{};      // the box outside the line
    };
    std::array<Segment, 54> segment{};

    constexpr Tables();
};

// Built at compile time, so reading it needs no start-up guard.
extern const Tables kTables;

inline const Tables &tables() { return kTables; }

} // namespace engine
