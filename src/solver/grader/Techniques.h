#pragma once

#include "solver/grader/Technique.h"

// The techniques, one family per file. Each finder finds one instance,
// applies it and returns true when it changed the board (see TechniqueFn);
// the family's describe functions put what it left in the trace into words
// (see DescribeFn), and their premises the candidates the pattern read
// (see PremisesFn).
namespace grader {

// Singles.cpp
bool hiddenSingle(Board &b, int &extra);
bool nakedSingle(Board &b, int &extra);
Description describeHiddenSingle(const Trace &trace, const Board &before, const QString &remove);
Description describeNakedSingle(const Trace &trace, const Board &before, const QString &remove);
void readsSingle(const Trace &trace, const Board &before, CandidateSet &reads);

// LockedCandidates.cpp
bool pointing(Board &b, int &extra);
bool claiming(Board &b, int &extra);
Description describeLocked(const Trace &trace, const Board &before, const QString &remove);
void readsLocked(const Trace &trace, const Board &before, CandidateSet &reads);

// Subsets.cpp
bool nakedPair(Board &b, int &extra);
bool nakedTriple(Board &b, int &extra);
bool nakedQuad(Board &b, int &extra);
bool hiddenPair(Board &b, int &extra);
bool hiddenTriple(Board &b, int &extra);
bool hiddenQuad(Board &b, int &extra);
Description describeNaked(const Trace &trace, const Board &before, const QString &remove);
Description describeHidden(const Trace &trace, const Board &before, const QString &remove);
void readsNaked(const Trace &trace, const Board &before, CandidateSet &reads);
void readsHidden(const Trace &trace, const Board &before, CandidateSet &reads);

// Fish.cpp
bool xWing(Board &b, int &extra);
bool swordfish(Board &b, int &extra);
bool jellyfish(Board &b, int &extra);
Description describeFish(const Trace &trace, const Board &before, const QString &remove);
void readsFish(const Trace &trace, const Board &before, CandidateSet &reads);

// SingleDigit.cpp
bool skyscraper(Board &b, int &extra);
bool twoStringKite(Board &b, int &extra);
bool simpleColouring(Board &b, int &extra);
Description describeTurbot(const Trace &trace, const Board &before, const QString &remove);
Description describeColouring(const Trace &trace, const Board &before, const QString &remove);
void readsTurbot(const Trace &trace, const Board &before, CandidateSet &reads);
void readsColouring(const Trace &trace, const Board &before, CandidateSet &reads);

// Wings.cpp
bool xyWing(Board &b, int &extra);
bool xyzWing(Board &b, int &extra);
bool wWing(Board &b, int &extra);
Description describeXYWing(const Trace &trace, const Board &before, const QString &remove);
Description describeXYZWing(const Trace &trace, const Board &before, const QString &remove);
Description describeWWing(const Trace &trace, const Board &before, const QString &remove);
void readsWing(const Trace &trace, const Board &before, CandidateSet &reads);
void readsWWing(const Trace &trace, const Board &before, CandidateSet &reads);

// Uniqueness.cpp (sound only for puzzles with exactly one solution)
bool uniqueRectangle(Board &b, int &extra);
bool bugPlusOne(Board &b, int &extra);
Description describeRectangle(const Trace &trace, const Board &before, const QString &remove);
Description describeBugPlusOne(const Trace &trace, const Board &before, const QString &remove);
void readsRectangle(const Trace &trace, const Board &before, CandidateSet &reads);
void readsEverything(const Trace &trace, const Board &before, CandidateSet &reads);

// Chains.cpp
bool xCycle(Board &b, int &extra);
bool xyChain(Board &b, int &extra);
bool alternatingChain(Board &b, int &extra);
bool groupedChain(Board &b, int &extra);
Description describeChain(const Trace &trace, const Board &before, const QString &remove);
void readsChain(const Trace &trace, const Board &before, CandidateSet &reads);

// Medusa.cpp
bool medusa3D(Board &b, int &extra);
Description describeMedusa(const Trace &trace, const Board &before, const QString &remove);
void readsMedusa(const Trace &trace, const Board &before, CandidateSet &reads);

} // namespace grader
