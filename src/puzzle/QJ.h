#pragma once

#include "base/Geometry.h"

#include <QString>

#include <array>
#include <cstdint>

// One cell of the puzzle model. The node at (row, col) always stands for
// board cell (row, col); transformations move digit and given between
// nodes, never the nodes themselves.
class TNode {
public:
    std::int32_t row = 0;
    std::int32_t col = 0;
    std::int32_t digit = 0; // solution digit 1..9, 0 for none
    std::uint8_t given = 0; // 1 for a given of the puzzle
};

// The puzzle model: the solution of the puzzle on the board and which
// cells are givens, and the random disguise of a bank entry.
class TQJ {
public:
    TQJ();

    // The node of cell (row, col), each 1..9.
    TNode &node(int row, int col) { return nodes[index(row, col)]; }
    const TNode &node(int row, int col) const { return nodes[index(row, col)]; }

    // Decodes a bank entry (givens as '1'..'9', the other cells' solution
    // digits as 'A'..'I'), then Shuffle(200). An entry that breaks the
    // format throws ConvertError and leaves the model as it was.
    void LoadFromBank(const QString &entry);

    // count random swaps of columns within a stack, rows within a band and
    // pairs of digits. Always reseeds first; a count below 1 draws nothing.
    void Shuffle(int count);

    // The 81 solution digits, or an empty string when a digit is missing.
    QString GetSolution() const;

    // Every digit to 0; the given flags stay.
    void ClearValues();

    // Digits from 81 decimal characters (blanks and control characters
    // around them are trimmed). Another length leaves every digit 0; a
    // non-digit throws ConvertError at its cell.
    void SetSolution(const QString &solution);

    // Digits and given flags from a givens string ('0' for an open cell);
    // lengths as SetSolution. A wrong length keeps the given flags.
    void SetGivens(const QString &givens);

private:
    static std::size_t index(int row, int col) { return static_cast<std::size_t>(geometry::boardIndex(row, col)); }
    void swapNodes(int rowA, int colA, int rowB, int colB);

    std::array<TNode, 81> nodes;
};
