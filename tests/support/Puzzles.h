#pragma once

namespace fixture {

// A puzzle with one solution, as givens ('0' open) and solution.
inline const char *const kGivens =
    "800000000003600000070090200050007000000045700000100030001000068008500010090000400";
inline const char *const kSolution =
    "812753649943682175675491283154237896369845721287169534521974368438526917796318452";

} // namespace fixture
