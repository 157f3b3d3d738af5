#pragma once

#include "solver/grader/CandidateSet.h"
#include "solver/grader/CellSet.h"

#include <array>
#include <variant>
#include <vector>

// What a technique used, by role: filled in by its successful application
// when a Board carries a trace (the explanation; the grader leaves it
// unset) and read by the technique's describe function. Cells are 0..80,
// units 0..26 (rows, columns, boxes); lists are in the order the sentence
// names them.
namespace grader {

// A digit placed: the singles and BUG+1.
struct SingleTrace {
    int cell = 0;
    int digit = 0;
    int unit = -1; // hidden single: the unit where the digit has one place
};

// Locked candidates: the digit's places in unit all lie in cleared, so the
// rest of cleared loses it.
struct LockedTrace {
    int digit = 0;
    int unit = 0;
    int cleared = 0;
    std::vector<int> cells{}; // the digit's places in unit
};

// Naked and hidden subsets: cells of one unit and the digits they hold.
struct SubsetTrace {
    int unit = 0;
    std::vector<int> cells{};
    std::vector<int> digits{};
};

// Fish: the digit's places in the base lines lie in as many cover lines.
struct FishTrace {
    int digit = 0;
    std::vector<int> base{};
    std::vector<int> cover{};
    std::vector<int> cells{}; // the digit's places in the base lines
};

// A unit with exactly two places for a digit.
struct ConjugatePair {
    int unit = 0;
    int near = 0; // the end that shares the joint
    int far = 0;
};

// Skyscraper and 2-String Kite: two conjugate pairs whose near ends share
// a unit, so one of the far ends holds the digit.
struct TurbotTrace {
    int digit = 0;
    ConjugatePair first{}, second{};
    int joint = 0;
};

// Simple colouring and 3D Medusa: the two colours of a cluster.
struct ColourTrace {
    int digit = 0;           // simple colouring's digit (Medusa colours many)
    bool firstFalse = false; // the first colour breaks a rule; else what sees both colours goes
    CellSet first{}, second{};
    CandidateSet firstCands{}, secondCands{}; // 3D Medusa: the coloured candidates
    int emptied = -1;       // 3D Medusa: the cell the false colour would leave empty
};

// XY-Wing and XYZ-Wing: digit leaves the cells that see the pincers (and,
// for XYZ, the pivot).
struct WingTrace {
    int digit = 0;
    int pivot = 0;
    std::array<int, 2> pincers{}; // XY-Wing: the one sharing the pivot's lower digit first
};

// W-Wing: two cells holding only x and y, joined by a conjugate pair on y
// whose ends see one of them each; x leaves the cells that see both.
struct WWingTrace {
    int x = 0, y = 0;
    std::array<int, 2> ends{};
    int unit = 0;                // the conjugate pair's unit
    std::array<int, 2> bridge{}; // bridge[i] sees ends[i]
};

// Unique rectangle.
struct RectangleTrace {
    int type = 1;                // 1, 2 or 4
    std::array<int, 2> digits{}; // the rectangle's two, ascending
    std::vector<int> floor{};    // the corners holding exactly those two (type 1: three of them)
    std::vector<int> roof{};     // the other corners
    int extra = 0;               // type 2: the roof's third digit
    int unit = -1;               // type 4: a unit of both roof cells where locked has no other place
    int locked = 0;              // type 4: one of the two digits; the other leaves the roof
};

// Alternating inference chains.
struct ChainTrace {
    struct Node {
        int digit = 0;
        CellSet cells{};
    };
    int links = 0;
    std::vector<Node> nodes{}; // from the start (assumed false) to the end (then true)
};

struct Trace : std::variant<std::monostate, SingleTrace, LockedTrace, SubsetTrace, FishTrace, TurbotTrace,
                            ColourTrace, WingTrace, WWingTrace, RectangleTrace, ChainTrace> {
    using variant::variant;
    using variant::operator=;
};

} // namespace grader
