#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The player's options beside the specified behaviour, in a file of their
// own ("vorel.ini" keeps its bytes). Every option's default is the
// behaviour the game has without it.
namespace options {

inline constexpr const char *kFileName = "options.ini";

struct GameOptions {
    bool everyClash = false;     // every clashing cell, not the first pair
    bool wrongDigits = true;     // digits that differ from the solution in dark red
    bool askNewGame = false;     // a question before a new game replaces one in progress
    bool pauseMinimised = true;  // pause while the window is minimised
    bool operator==(const GameOptions &) const = default;
};

// One row per option: its key in the file, its caption, its field.
struct Row {
    const char *key;
    const char *caption;
    bool GameOptions::*field;
};
const std::array<Row, 4> &rows();

// The options a file's text holds: unknown keys, bad values and anything
// else are ignored, so each option missing keeps its default.
GameOptions parse(const QByteArray &text);
// "[Options]" and one "Key=0" or "Key=1" line per option, CR LF after each.
QByteArray format(const GameOptions &o);

// The options of the file at path; the defaults when it is missing,
// unreadable or larger than an options file can be.
GameOptions load(const QString &path);
// Writes the file whole and atomically; false and the reason on failure.
bool save(const QString &path, const GameOptions &o, QString *error);

} // namespace options
