#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

// The one text form of a puzzle bank entry: 81 characters in board order,
// a given as its digit '1'..'9', every other cell as its solution digit
// written 'A'..'I'. The generator writes it; the bank check and the game
// read it. QtCore only, so the game's window-free core can use it.
namespace grader {

// Digits 0..9 of the 81 cells, the same type as the solver's grid.
using EntryGrid = std::array<std::uint8_t, 81>;

inline constexpr int kBankEntryLength = 81;

struct DecodedEntry {
    EntryGrid puzzle{};   // the givens, 0 for an open cell
    EntryGrid solution{}; // every cell's digit
    int givens = 0;
    // The first character that is neither '1'..'9' nor 'A'..'I' (the
    // entry's length when it is shorter than 81); -1 when none is.
    qsizetype bad = -1;
    bool ok() const { return bad < 0; }
};

// The bank entry of a puzzle and its solution.
QString bankEntry(const EntryGrid &puzzle, const EntryGrid &solution);

// Reads the first 81 characters of an entry; anything after them is left
// to the caller. The grids and the count hold the entry only when ok().
DecodedEntry decodeBankEntry(QStringView entry);

} // namespace grader
