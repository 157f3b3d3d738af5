#include "solver/grader/Board.h"
#include "solver/grader/Techniques.h"

namespace grader {

namespace {

// Digit d's candidates of unit `from` all lie in one unit of the kind
// [firstTarget, firstTarget + 9): strike d from the rest of that unit.
bool lockIn(Board &b, int from, int firstTarget, const CellSet &withD, int d)
{
    const auto &t = tables();
    const CellSet inUnit = withD & t.unitSet[static_cast<std::size_t>(from)];
    if (inUnit.count() < 2)
        return false;
    for (int u = firstTarget; u < firstTarget + 9; ++u) {
        const CellSet &target = t.unitSet[static_cast<std::size_t>(u)];
        if (!(inUnit - target).empty())
            continue;
        if (!b.removeFrom((withD & target) - t.unitSet[static_cast<std::size_t>(from)], d))
            return false;
        if (b.trace) {
            *b.trace = {0, {}, {}, {from, u}, {d}, {}};
            inUnit.forEach([&](int c) { b.trace->cells.push_back(c); });
        }
        return true;
    }
    return false;
}

} // namespace

// Pointing: within a box a digit is confined to one row or column.
bool pointing(Board &b, int &)
{
    for (int d = 1; d <= 9; ++d) {
        const CellSet withD = b.cellsWith(d);
        for (int box = 18; box < 27; ++box)
            if (lockIn(b, box, 0, withD, d) || lockIn(b, box, 9, withD, d))
                return true;
    }
    return false;
}

// Claiming: within a row or column a digit is confined to one box.
bool claiming(Board &b, int &)
{
    for (int d = 1; d <= 9; ++d) {
        const CellSet withD = b.cellsWith(d);
        for (int line = 0; line < 18; ++line)
            if (lockIn(b, line, 18, withD, d))
                return true;
    }
    return false;
}

} // namespace grader
