#pragma once

#include "solver/grader/Board.h"
#include "solver/grader/CandidateSet.h"
#include "solver/grader/Explain.h"
#include "solver/grader/Trace.h"

#include <utility>
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

// What a step found on the ladder comes to: not taken (the climb tries the
// next technique), taken (the rung is done), or the end of the climb.
enum class Take { Skip, Rung, Stop };

// One rung of the ladder: the techniques from `first` on, easiest first,
// each applied to a copy of board, until take(t, step, trace, after) takes
// the step one found. A step that contradicts the solution ends the climb.
// Skip when no technique found a step that was taken.
template <class F> Take climb(const Board &board, Technique first, const engine::Grid &solution, F take)
{
    for (int i = static_cast<int>(first); i < static_cast<int>(Technique::Count); ++i) {
        const Technique t = static_cast<Technique>(i);
        Board next = board;
        Trace trace;
        next.trace = &trace;
        int extra = 0;
        if (!info(t).apply(next, extra))
            continue;
        next.trace = nullptr;
        ExplainStep step = stepBetween(t, board, next);
        // Never show a step that contradicts the solution.
        if (!agrees(step, solution))
            return Take::Stop;
        const Take v = take(t, std::move(step), trace, next);
        if (v != Take::Skip)
            return v;
    }
    return Take::Skip;
}

// The cheapest placement's steps, ending in it; false when the ladder
// reaches none.
bool cheapest(const Board &start, const engine::Grid &solution, std::vector<ExplainStep> &steps);

} // namespace grader::ladder
