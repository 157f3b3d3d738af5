#pragma once

#include "board/CellData.h"

#include <QString>
#include <QStringList>

// The four text layouts of the copy dialog. A given or a player's digit is
// written as a digit and every open cell as a blank, even one left with a
// single candidate: a copied puzzle has the givens of the board, no more.
// Only "With Candidates" shows the open cells' candidates. The import
// reader reads all four back.
namespace copylayouts {

// The dialog's choices, in the order it lists them.
enum CopyLayout { WithCandidates = 0, NoCandidate = 1, NineByNine = 2, OneBy81 = 3 };

// "With Candidates", "No Candidate", "9*9" or "1*81".
QString layoutName(CopyLayout layout);

// 13 lines: frame, rows 1-3, separator, rows 4-6, separator, rows 7-9,
// frame. Each cell is its value ("." when empty) right-aligned in 10
// characters; a longer value is not cut.
QStringList withCandidatesLines(const CellGrid &board);
// The same frame, 5 characters a cell: a given's or a player's digit, else ".".
QStringList noCandidateLines(const CellGrid &board);
// Nine lines of nine characters: a given's or a player's digit, else "*".
QStringList nineByNineLines(const CellGrid &board);
// One line of 81 characters: a given's or a player's digit, else "0".
QStringList oneBy81Lines(const CellGrid &board);

QStringList layoutLines(CopyLayout layout, const CellGrid &board);

} // namespace copylayouts
