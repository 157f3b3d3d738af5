#pragma once

// The techniques, one family per file. Each finds one instance, applies
// it and returns true when it changed the board (see TechniqueFn).
namespace grader {

class Board;

// Singles.cpp
bool hiddenSingle(Board &b, int &extra);
bool nakedSingle(Board &b, int &extra);

// LockedCandidates.cpp
bool pointing(Board &b, int &extra);
bool claiming(Board &b, int &extra);

// Subsets.cpp
bool nakedPair(Board &b, int &extra);
bool nakedTriple(Board &b, int &extra);
bool nakedQuad(Board &b, int &extra);
bool hiddenPair(Board &b, int &extra);
bool hiddenTriple(Board &b, int &extra);
bool hiddenQuad(Board &b, int &extra);

// Fish.cpp
bool xWing(Board &b, int &extra);
bool swordfish(Board &b, int &extra);
bool jellyfish(Board &b, int &extra);

// SingleDigit.cpp
bool skyscraper(Board &b, int &extra);
bool twoStringKite(Board &b, int &extra);
bool simpleColouring(Board &b, int &extra);

// Wings.cpp
bool xyWing(Board &b, int &extra);
bool xyzWing(Board &b, int &extra);
bool wWing(Board &b, int &extra);

// Uniqueness.cpp (sound only for puzzles with exactly one solution)
bool uniqueRectangle(Board &b, int &extra);
bool bugPlusOne(Board &b, int &extra);

// Chains.cpp
bool xCycle(Board &b, int &extra);
bool xyChain(Board &b, int &extra);
bool alternatingChain(Board &b, int &extra);
bool groupedChain(Board &b, int &extra);

// Medusa.cpp
bool medusa3D(Board &b, int &extra);

} // namespace grader
