#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Helpers for subcommands that stream lines: constant memory whatever the
// input's size or the length of its lines.
namespace toolio {

// Prints "sudoku-tool[ COMMAND]: MESSAGE" on standard error and returns
// ExitUsage.
int fail(const char *command, const QString &message);

// Opens FILE, or standard input for an empty path or "-". On failure prints
// the reason and returns false.
bool openInput(const char *command, const QString &path, QFile &file);

// Reads lines ended by LF, CR LF or CR and keeps at most `keep` bytes of
// each; the rest of a line is skipped without being stored.
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
    qsizetype pos = 0;
    bool atEnd = false;
    bool error = false;
    bool skipLf = false; // the last line ended with CR: a LF after it is its end too
};

// Buffered standard output.
class Output {
public:
    Output();
    ~Output();
    void write(const QByteArray &bytes);
    void write(const char *bytes, qsizetype size);
    bool flush();

private:
    QFile out;
    QByteArray buffer;
};

} // namespace toolio
