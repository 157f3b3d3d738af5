#pragma once

#include "base/TextLines.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Input and output shared by the subcommands: constant memory whatever the
// input's size or the length of its lines, and every failure reported.
namespace toolio {

// Run first thing in main: a closed standard stream gets /dev/null opened
// the wrong way round in its place, so no file the tool opens later takes
// its number, reading a closed input fails and writing a closed output
// fails.
void guardStandardStreams();

// Prints "sudoku-tool[ COMMAND]: MESSAGE" on standard error and returns
// ExitUsage.
int fail(const char *command, const QString &message);

// The one optional FILE argument of a subcommand ("-" or none: standard
// input). Nothing, after the message, for an unknown option or a second
// file.
std::optional<QString> fileArgument(const char *command, const QStringList &args);

// Opens FILE, or standard input for an empty path or "-". On failure prints
// the reason and returns false.
bool openInput(const char *command, const QString &path, QFile &file);

// The name of an input in messages.
inline QString inputName(const QString &path) { return path.isEmpty() ? QStringLiteral("-") : path; }

// Reads lines by the rule of base/TextLines.h and keeps at most `keep`
// bytes of each; the rest of a line is skipped without being stored. A
// UTF-8 byte-order mark at the start of the input is skipped.
class LineReader {
public:
    LineReader(QIODevice &device, int keep);
    // False at the end of the input.
    bool next(QByteArray &line);
    bool failed() const { return error; }

private:
    bool fill();
    QIODevice &in;
    int keep;
    QByteArray buffer;
    textlines::Scanner<char> scanner;
    bool atStart = true;
    bool atEnd = false;
    bool error = false;
};

// Buffered standard output. Once a write has failed, everything after it
// is dropped and failed() stays true.
class Output {
public:
    Output();
    ~Output();
    void write(const QByteArray &bytes);
    void write(const char *bytes, qsizetype size);
    // Puts everything written on standard output; false if any of it failed.
    bool flush();
    bool failed() const { return error; }

private:
    QFile out;
    QByteArray buffer;
    bool error = false;
};

// A subcommand that reads [FILE] line by line and writes what `answer`
// appends for each line (at most the first `keep` bytes of it). Returns the
// exit status; `what` names the output in the message of a failed write.
int runLines(const char *command, const QStringList &args, int keep, const char *what,
             const std::function<void(const QByteArray &line, QByteArray &answer)> &answer);

} // namespace toolio
