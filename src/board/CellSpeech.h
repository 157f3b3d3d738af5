#pragma once

#include <QString>

// The words a screen reader speaks for a cell: what the board shows there.
namespace cellspeech {

struct Shown {
    int row = 1, col = 1;
    int state = 0;        // CellState
    QString digit;        // the big digit on show, empty for an open cell
    QString marks;        // the candidate marks on show, ascending
    bool clash = false;   // drawn in the error colour
    bool wrong = false;   // a digit against the solution
};

// "Row 3, column 5: given 7", "...: your 4", "...: empty, candidates 1 2 9",
// with ", clash" and ", not part of the solution" where the board says so.
QString name(const Shown &cell);
// The same without the place: "given 7".
QString content(const Shown &cell);

} // namespace cellspeech
