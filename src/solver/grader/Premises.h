#pragma once

#include "solver/grader/Board.h"
#include "solver/grader/CandidateSet.h"

// Building blocks of the techniques' premises (PremisesFn).
namespace grader::reads {

inline void digitIn(CandidateSet &r, const CellSet &cells, int d)
{
    cells.forEach([&](int c) { r.set(c, d); });
}
inline void digitInUnit(CandidateSet &r, int unit, int d) { digitIn(r, tables().unitSet[static_cast<std::size_t>(unit)], d); }
// Every unit that holds all of cells: where a pair of places is the only one.
inline void digitInUnitsOf(CandidateSet &r, const CellSet &cells, int d)
{
    for (int u = 0; u < 27; ++u)
        if ((cells - tables().unitSet[static_cast<std::size_t>(u)]).empty())
            digitInUnit(r, u, d);
}
inline void cells(CandidateSet &r, const CellSet &set)
{
    set.forEach([&](int c) { r.setCell(c); });
}

} // namespace grader::reads
