#include "solver/grader/Board.h"
#include "solver/grader/Premises.h"
#include "solver/grader/Techniques.h"
#include "solver/grader/Trace.h"
#include "solver/grader/Wording.h"

#include <utility>

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
            LockedTrace locked{.digit = d, .unit = from, .cleared = u};
            inUnit.forEach([&](int c) { locked.cells.push_back(c); });
            *b.trace = std::move(locked);
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

Description describeLocked(const Trace &trace, const Board &, const QString &remove)
{
    const auto &t = std::get<LockedTrace>(trace);
    return {QStringLiteral("In %1, the %2 can only go in %3, %4 in %5, so no other cell of %5 can hold %2. %6")
                .arg(words::unit(t.unit))
                .arg(t.digit)
                .arg(words::cells(t.cells, "or"), QLatin1String(t.cells.size() == 2 ? "both" : "all"),
                     words::unit(t.cleared), remove),
            t.cells};
}

void readsLocked(const Trace &trace, const Board &, CandidateSet &r)
{
    const auto &t = std::get<LockedTrace>(trace);
    const auto &units = tables().unitSet;
    reads::digitIn(r, units[static_cast<std::size_t>(t.unit)] - units[static_cast<std::size_t>(t.cleared)], t.digit);
}

} // namespace grader
