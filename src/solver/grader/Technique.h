#pragma once

#include <QString>

namespace grader {

class Board;

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

struct TechniqueInfo {
    const char *name;  // stable identifier printed by the tool
    int level;         // 1 singles, 2 Moderate, 3 Tough, 4 Diabolical
    int weight;        // score of one application
    TechniqueFn apply;
};

const TechniqueInfo &info(Technique t);
QString techniqueName(Technique t);

} // namespace grader
