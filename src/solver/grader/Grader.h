#pragma once

#include "solver/Engine.h"
#include "solver/grader/Technique.h"

#include <QString>

// The human-style grader: solves with the ladder's techniques only, never
// by guessing, always applying the easiest one that makes progress.
namespace grader {

// Singles-only puzzles with at least this many givens are Very Easy.
constexpr int kVeryEasyGivens = 32;
// The level beyond the ladder: the techniques run out before the end.
constexpr int kBeyond = 5;

struct Grade {
    bool proper = false;  // exactly one solution; nothing else is graded
    int level = kBeyond;  // 0..4, or kBeyond
    int score = 0;        // orders puzzles within a level
    int givens = 0;
    Technique hardest = Technique::HiddenSingle;
    int steps = 0;        // applications of techniques
    std::uint32_t used = 0; // bit i: Technique i was applied
    int longestChain = 0;   // links of the longest chain applied

    bool uses(Technique t) const { return (used >> static_cast<int>(t)) & 1; }

    // "LEVEL SCORE TECHNIQUE": level 'x' for an improper puzzle, technique
    // "beyond" when the ladder does not finish it.
    QString line() const;
};

// Grades a puzzle string ('1'..'9' givens, anything else blank).
Grade grade(const QString &puzzle81);
Grade grade(const engine::Grid &puzzle);

// The logical part alone, for a puzzle already known to have exactly one
// solution. Techniques above ceilingLevel are not tried, so a puzzle that
// needs them comes out as kBeyond (a fast test for "singles suffice").
// solved receives the final grid when given.
Grade gradeProper(const engine::Grid &puzzle, int ceilingLevel = 4, engine::Grid *solved = nullptr);

} // namespace grader
