#pragma once

#include "base/Geometry.h"

#include <QString>

#include <array>

// Cell states as the board files and step lines store them.
enum CellState : int { stFixed = 1, stBigNumber = 2, stCandidates = 3 };

// The game data of one square. The board's cells carry it directly, so the
// position lives in the cells and nowhere else.
struct CellData {
    int row = 0;           // 1..9
    int col = 0;           // 1..9
    QString value;         // one digit, or the candidate digits of an open cell
    int state = stBigNumber;
    bool errflag = false;
    // The digit is shown as differing from the solution (the play model
    // decides; a screen reader says it).
    bool wrong = false;
};

// The 81 cells of one board in board order: (1,1), (1,2), ... (9,9).
// Constness reaches the cells: a const grid only reads them. Copies are
// made from mutable grids only, so a const grid cannot be copied into a
// writable one.
class CellGrid {
public:
    CellGrid() { cells_.fill(nullptr); }
    explicit CellGrid(const std::array<CellData *, 81> &cells) : cells_(cells) {}
    CellGrid(CellGrid &other) = default;
    CellGrid(CellGrid &&other) = default;
    CellGrid(const CellGrid &) = delete;
    CellGrid &operator=(CellGrid &other) = default;
    CellGrid &operator=(CellGrid &&other) = default;
    CellGrid &operator=(const CellGrid &) = delete;

    const CellData &at(int row, int col) const { return *cells_[index(row, col)]; }
    CellData &at(int row, int col) { return *cells_[index(row, col)]; }
    const CellData &operator[](int i) const { return *cells_[static_cast<size_t>(i)]; }
    CellData &operator[](int i) { return *cells_[static_cast<size_t>(i)]; }
    void set(int i, CellData *cell) { cells_[static_cast<size_t>(i)] = cell; }
    static constexpr int size() { return 81; }

private:
    static size_t index(int row, int col) { return static_cast<size_t>(geometry::boardIndex(row, col)); }
    std::array<CellData *, 81> cells_;
};

// A grid that owns its cells: for boards without widgets (tests, files).
class OwnedGrid {
public:
    OwnedGrid();
    OwnedGrid(const OwnedGrid &other);
    OwnedGrid &operator=(const OwnedGrid &other);
    const CellGrid &grid() const { return grid_; }
    CellGrid &grid() { return grid_; }
    CellData &at(int row, int col) { return grid_.at(row, col); }

private:
    void link();
    std::array<CellData, 81> data_;
    CellGrid grid_;
};
