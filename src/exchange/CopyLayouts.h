#pragma once

#include "board/CellData.h"

#include <QString>
#include <QStringList>

// The four text layouts of the copy dialog, built from the cells' values
// alone: a value of exactly one character is written as a digit, whatever
// the cell's state. The import reader reads all four back.
namespace copylayouts {

// The dialog's choices, in the order it lists them.
enum CopyLayout { WithCandidates = 0, NoCandidate = 1, NineByNine = 2, OneBy81 = 3 };

// "With Candidates", "No Candidate", "9*9" or "1*81".
QString layoutName(CopyLayout layout);

// 13 lines: frame, rows 1-3, separator, rows 4-6, separator, rows 7-9,
// frame. Each cell is its value ("." when empty) right-aligned in 10
// characters; a longer value is not cut.
QStringList withCandidatesLines(const CellGrid &board);
// The same frame, 5 characters a cell: a one-character value, else ".".
QStringList noCandidateLines(const CellGrid &board);
// Nine lines of nine characters: a one-character value, else "*".
QStringList nineByNineLines(const CellGrid &board);
// One line of 81 characters: a one-character value, else "0".
QStringList oneBy81Lines(const CellGrid &board);

QStringList layoutLines(CopyLayout layout, const CellGrid &board);

} // namespace copylayouts
