#pragma once

#include <QStringList>
#include <QTextStream>

// The bank and grading commands of the tools: each takes the arguments
// after its own name, writes to out and err, and returns the exit code
// (0 success, 1 a failed check or write, 2 a usage error).
namespace bankcommands {

// grade [FILE]: one line "LEVEL SCORE TECHNIQUE" per input line (standard
// input without FILE); the first 81 characters of a line are its cells.
// LEVEL 0..4, 5 beyond the ladder, x for a line that is not a puzzle with
// exactly one solution.
int grade(const QStringList &args, QTextStream &in, QTextStream &out, QTextStream &err);

// bank verify: re-checks every entry of the built-in bank.
int bankVerify(const QStringList &args, QTextStream &out, QTextStream &err);

// bank generate --seed N --out DIR [--threads T]: writes a new bank.
int bankGenerate(const QStringList &args, QTextStream &out, QTextStream &err);

// bank verify | bank generate ...
int bank(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace bankcommands
