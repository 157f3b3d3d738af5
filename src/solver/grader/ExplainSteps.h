#pragma once

#include "solver/grader/Board.h"
#include "solver/grader/CandidateSet.h"
#include "solver/grader/Explain.h"
#include "solver/grader/Trace.h"

#include <vector>

// Inside the explanation: the ladder's steps with what each read, and the
// search for the placement that needs the fewest of them.
namespace grader::ladder {

struct Rung {
    ExplainStep step;
    Trace trace;
    Board before;
    CandidateSet struck{}; // the removals
    CandidateSet needs{};  // candidates struck by earlier rungs that the pattern read
};

// Every candidate of the board's open cells.
CandidateSet candidatesOf(const Board &b);
// The step that took `before` to `after`: the one placement, or every
// candidate struck.
ExplainStep stepBetween(Technique t, const Board &before, const Board &after);
// The step's sentence and framed cells, from its trace and the board before it.
void describe(ExplainStep &step, const Trace &trace, const Board &before);
bool agrees(const ExplainStep &s, const engine::Grid &solution);
// What the traced pattern read, less what start already lacked and less
// what is still there: the candidates earlier steps struck.
CandidateSet needs(Technique t, const Trace &trace, const Board &before, const CandidateSet &start);
std::vector<CellDigit> listOf(const CandidateSet &s);

// The cheapest placement's steps, ending in it; false when the ladder
// reaches none.
bool cheapest(const Board &start, const engine::Grid &solution, std::vector<ExplainStep> &steps);

} // namespace grader::ladder
