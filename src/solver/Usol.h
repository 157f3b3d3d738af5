#pragma once

#include <QString>

// The solver the game asks about a puzzle string: are its givens free of
// clashes, has it a solution and which, and has it more than one.
class Tfrm_sol {
public:
    // False when two givens ("1".."9"; every other character is a blank)
    // share a row, column or box.
    bool IsConflictFree(const QString &puzzle) const;

    // 0 and the least solution; or 1 when the puzzle has no blank or no
    // solution (clashing givens have none), with the puzzle written back
    // ("0" at every blank).
    int SolveString(const QString &puzzle, QString &solution) const;

    // 0: exactly one solution, both strings equal to it.
    // 1: clashing givens (both strings empty), no solution (first is the
    //    puzzle with "0" at its blanks, second empty), or no blank at all
    //    (first is the puzzle, second empty).
    // 2: two or more solutions. first is the least; second is the least
    //    solution compared from cell 81 backward when that differs, else
    //    the next solution after the least.
    int CheckPuzzle(const QString &puzzle, QString &first, QString &second) const;
};
