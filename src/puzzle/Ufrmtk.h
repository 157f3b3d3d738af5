#pragma once

#include <QString>
#include <QStringList>

class TQJ;

// The puzzle bank: five read-only lists of entries, one per level, built
// into the program as a resource. An entry is a solution grid with the
// givens written as digits and every other cell as a letter 'A'..'I'.
class Tfrmtk {
public:
    Tfrmtk();

    QStringList tk0, tk1, tk2, tk3, tk4;

    // The list of level 0..4; an empty list for any other level.
    const QStringList &list(int level) const;

    // Reseeds the program-wide generator, picks an entry of the level's
    // list uniformly and loads it into qj (decode and 200 swaps). Returns
    // false, leaving qj alone, for a level without entries.
    bool DealFromBank(int level, TQJ &qj) const;

    // The entries of one level from the built-in bank, in file order.
    static QStringList builtInLevel(int level);
};
