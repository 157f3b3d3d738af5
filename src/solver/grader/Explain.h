#pragma once

#include "solver/Engine.h"
#include "solver/grader/Technique.h"

#include <QString>

#include <vector>

// The next logical step from a position, in words a player follows: the
// grader's ladder, easiest technique first, applied to the placed digits
// and the candidates they leave until a digit can be placed.
namespace grader {

// A cell with a digit: placed (place) or struck from its candidates.
struct CellDigit {
    int cell = 0;  // 0..80, row by row
    int digit = 0; // 1..9
    bool operator==(const CellDigit &) const = default;
};

struct ExplainStep {
    Technique technique = Technique::HiddenSingle;
    bool place = false;               // true: one placement; false: removals
    std::vector<CellDigit> changes;   // the placement, or every removal
    std::vector<int> pattern;         // the cells that make the pattern
    QString title;                    // "Hidden single", "Locked candidates (pointing)", ...
    QString text;                     // one or two plain sentences
    // The candidates struck by the steps before that this step's pattern
    // needs gone: what ties it to them.
    std::vector<CellDigit> premises{};

    // "TECHNIQUE ACTION CELLS...", e.g. "hidden-single place r5c7=3".
    QString toolLine() const;
};

enum class ExplainState {
    Steps,      // steps ends with the first placement
    Stuck,      // the ladder cannot reach a placement; steps may hold removals
    WrongDigit, // a placed digit differs from the solution
    Clash,      // two equal digits share a unit
    NoSolution, // no known solution (none, or more than one)
    Finished,   // no blank left
};

struct Explanation {
    ExplainState state = ExplainState::NoSolution;
    std::vector<ExplainStep> steps;
    CellDigit wrong;  // for WrongDigit
    QString message;  // the plain sentence for every state but Steps
};

// "row 5, column 7" for a cell.
QString cellName(int cell);

enum class ExplainScope {
    // Every step the ladder takes until its first placement.
    All,
    // Only the steps the placement needs, for the placement of fewest
    // steps (then the easiest hardest technique, then the first cell in
    // reading order) among those the ladder reaches within its budget.
    Minimal,
};

// placed: givens and the player's digits (0 blank). solution: the known
// solution, or nullptr when the puzzle has none or more than one.
Explanation explainNext(const engine::Grid &placed, const engine::Grid *solution,
                        ExplainScope scope = ExplainScope::All);

} // namespace grader
