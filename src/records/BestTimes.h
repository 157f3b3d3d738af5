#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The ten best times of each bank level, in a file of their own.
namespace besttimes {

inline constexpr const char *kFileName = "besttimes.dat";
inline constexpr int kLevels = 5; // Very Easy .. Diabolical
inline constexpr int kKept = 10;
inline constexpr int kMaxHints = 81; // the most an entry holds

struct Entry {
    int ms = 0;
    QDateTime when; // local time, to the second
    int hints = 0;
    bool operator==(const Entry &) const = default;
};

struct Tables {
    std::array<QList<Entry>, kLevels> level;

    // Puts the entry among the level's best times: a finish without hints
    // before every finish with hints, then the faster first, after any as
    // fast. Its place 0..9, or -1 when it is not among the ten (or the level or the
    // entry is out of range, which changes nothing).
    int add(int level, const Entry &entry);
    bool operator==(const Tables &) const = default;
};

// One line per entry, "LEVEL MS YYYY-MM-DDTHH:MM:SS HINTS", fastest first.
QStringList toLines(const Tables &t);
// The entries of the lines that read as such; every other line is skipped
// (counted in skipped), and a level keeps no more than its ten best.
Tables fromLines(const QStringList &lines, qsizetype *skipped = nullptr);

// What a file of best times holds.
struct Contents {
    Tables tables;        // every whole entry it holds
    bool damaged = false; // it holds more than entries, or more than is read
};
// The file at path; empty when it is missing or unreadable. A damaged file
// keeps the entries of its whole lines, as far as a megabyte.
Contents read(const QString &path);
Tables load(const QString &path);
// Writes the file whole and atomically; false and the reason on failure. A
// damaged file in its place is first kept as path + ".bad" (replacing an
// older one), and is not replaced when that fails.
bool save(const QString &path, const Tables &t, QString *error);

// A game on the board, as far as its time can count.
struct Round {
    bool fromBank = false;      // dealt by a level command
    bool solutionShown = false; // Show Solution filled the board
    int hints = 0;
    bool finished = false;      // the finish was counted already
};
// Whether finishing the round at level counts as a time of that level.
bool counts(const Round &r, int level);

} // namespace besttimes
