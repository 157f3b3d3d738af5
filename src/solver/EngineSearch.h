#pragma once

#include "solver/Engine.h"
#include "solver/EngineState.h"

// The two depth-first searches of the engine, both from a propagated state.
namespace engine {

// Solutions up to limit (at least 1), in no particular order: branches on
// the cell with the fewest candidates, weighed by the contradictions met
// there, and checks the units' matchings once the search grows long.
Result countFrom(const State &s, int limit);

// Solutions in ascending order up to limit (at least 1): branches on the
// first empty cell, digits ascending, and enters only branches in which
// countFrom() finds a solution.
Result orderedFrom(const State &s, int limit);

} // namespace engine
