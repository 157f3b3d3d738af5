#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

// Puzzles in the files and texts players exchange: collections one puzzle
// a line, grids of nine rows with or without frames and header lines,
// puzzle addresses with bd=, game IDs, library lines and OpenSudoku XML,
// and, when none of these is found, whatever the import dialog reads.
// Window-free; linear in the size of the input, whatever it holds.
namespace puzzlefile {

// Files larger than this are refused before they are read.
inline constexpr qint64 kMaxFileBytes = qint64(64) << 20;

struct Puzzle {
    QByteArray givens; // 81 characters, "1".."9" a given, "0" a blank
    QString title;     // the puzzle's name, author or comment where the input gives one
};

// Every puzzle found in text (UTF-8, or UTF-16 with its byte-order mark),
// in the order written; empty when there is none.
QList<Puzzle> readPuzzles(QByteArrayView text);

struct FileRead {
    QList<Puzzle> puzzles;
    QString error; // with no puzzle: one sentence naming the input and why
    bool ok() const { return !puzzles.isEmpty(); }
};

// Reads the file at path (at most kMaxFileBytes); name is how messages call it.
FileRead readPuzzleFile(const QString &path, const QString &name);
// Reads device from where it stands to its end (at most kMaxFileBytes).
FileRead readPuzzleDevice(QIODevice &device, const QString &name);
// Reads bytes already in memory, such as standard input or a dropped text.
FileRead readPuzzleBytes(QByteArrayView bytes, const QString &name);

// The puzzle string the solver and Play Puzzle take: "*" for a blank.
QString puzzleString(const Puzzle &puzzle);
int givensCount(const Puzzle &puzzle);

} // namespace puzzlefile
