#pragma once

// A literal transcription of the solver as first designed: full candidate
// recomputation after every placement and a search on the first empty
// cell. It exists only to prove the fast solver right and to measure it.
#include <QString>

namespace reference {

// Instrumentation, not part of the algorithm: guesses made since the last
// reset, and a budget after which SolveBruteForce throws TooManyGuesses
// (0: no budget). The literal search is unbounded; tests must not be.
extern long Guesses;
extern long GuessLimit;
struct TooManyGuesses {};

constexpr unsigned char GridSize = 9;
constexpr unsigned char BoxRows = 3;
constexpr unsigned char BoxCols = 3;
constexpr unsigned char MaxGridSize = 25;

struct SolverCell {
    unsigned char Value;
    bool Poss[26];
};

using SolverGrid = SolverCell[MaxGridSize + 1][MaxGridSize + 1];

void FindPossibilities();
bool check();
unsigned char CountPossValue(unsigned char v, unsigned char r, unsigned char c);
bool SolveSudoku();
bool SolveBruteForce();
bool IsConflictFree(const QString &puzzle);
int SolveString(const QString &puzzle, QString &solution);
// The verdict as first designed: 0 when both search orders agree.
int CheckPuzzle(const QString &puzzle, QString &first, QString &second);

} // namespace reference
