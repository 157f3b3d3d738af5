#pragma once

#include <QString>

#include <vector>

namespace grader {

class Board;
struct Trace;

// The ladder's techniques in the order the grader tries them: always the
// easiest first, so the hardest one it reports is one the puzzle needs.
enum class Technique {
    HiddenSingle,
    NakedSingle,
    Pointing,
    Claiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    XWing,
    Skyscraper,
    TwoStringKite,
    XYWing,
    WWing,
    XYZWing,
    NakedQuad,
    HiddenQuad,
    Swordfish,
    SimpleColouring,
    UniqueRectangle,
    BugPlusOne,
    Jellyfish,
    XCycle,
    XYChain,
    Medusa3D,
    AIC,
    GroupedAIC,
    Count
};

// One application of a technique: it changes the board and returns true
// when it placed a digit or struck a candidate. extra receives additional
// score (the length of a chain).
using TechniqueFn = bool (*)(Board &board, int &extra);

// The words and the framed cells of one step.
struct Description {
    QString text;             // one or two plain sentences; empty: the finder left nothing to say
    std::vector<int> pattern; // the cells that make the pattern, in any order
};

// Describes one application from the trace its finder left and the board
// before it; remove is the step's removals in words ("Remove 4 from ..."),
// empty for a placement.
using DescribeFn = Description (*)(const Trace &trace, const Board &before, const QString &remove);

struct CandidateSet;

// The candidates whose presence or absence the traced pattern reads, on
// the board before it (a superset is sound: it only keeps more steps).
// Explain keeps a step when a later one reads a candidate it struck.
using PremisesFn = void (*)(const Trace &trace, const Board &before, CandidateSet &reads);

struct TechniqueInfo {
    const char *name;  // stable identifier, printed by "sudoku-tool grade"
    const char *word;  // "sudoku-tool explain"'s: one for both locked candidates, no "+"
    const char *title; // the explanation's heading
    int level;         // 1 singles, 2 Moderate, 3 Tough, 4 Diabolical
    int weight;        // score of one application
    TechniqueFn apply;
    DescribeFn describe;
    PremisesFn premises;
};

const TechniqueInfo &info(Technique t);
QString techniqueName(Technique t);

} // namespace grader
