#pragma once

#include "solver/grader/Generator.h"

#include <QString>

namespace grader {

struct BankReport {
    bool ok = false;
    int checked = 0;
    QString summary;  // one line per level, then a total
    QString firstBad; // "tk<L> line <N>: <reason>: <entry>", empty when ok
};

// Why one entry cannot stand at the level: format, a complete valid grid,
// the number of givens, exactly one solution (the grid itself), and the
// grade. Empty when the entry is good.
QString entryFault(const QString &entry, int level);

// Re-checks every entry and that each level holds perLevel entries, none
// repeated anywhere in the bank. Stops at the first bad entry.
BankReport verifyBank(const Bank &bank, int perLevel = 500);

} // namespace grader
