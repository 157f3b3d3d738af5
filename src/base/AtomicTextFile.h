#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The one writer and reader of the game's files: single-byte text, CR LF
// after every line. A file is written whole and atomically (a temporary
// file beside it, every write, the flush and the sync checked, then a
// rename), so a crash or a full disk never leaves a cut-off file in place
// of the last good one; it is read back at CR LF, LF or a lone CR
// (base/TextLines.h).
namespace atomictext {

// Single-byte text, CR LF after every line.
QByteArray encode(const QStringList &lines);
// The lines of text; a final line end adds no line.
QStringList decode(const QByteArray &bytes);

// How a save treats what stands at its path.
struct Target {
    // A link in the path's place is removed and a file of its own written;
    // otherwise a link to a regular file is saved through.
    bool replaceLink = false;
    // Temporary files that an interrupted save of this file left beside it
    // (its name, a dot and six letters) are removed first. Off in a folder
    // the player chose, whose files are the player's.
    bool removeLeftovers = true;
};

// Writes the lines (encoded as above) to path. Nothing is written where the
// path is, or leads to, anything but a regular file its owner may write.
// False on failure, with the reason in error; the file at path is then as
// it was.
bool writeLines(const QString &path, const QStringList &lines, QString *error, Target target = {});
// The same for bytes as they are.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error, Target target = {});

// The steps of an atomic replacement. Each reports its own failure, so a
// failed write or flush is never followed by the commit.
class Sink {
public:
    virtual ~Sink() = default;
    virtual bool open() = 0;
    // Writes every byte or fails.
    virtual bool write(const QByteArray &bytes) = 0;
    // Puts the written bytes on the disk.
    virtual bool flush() = 0;
    // Replaces the target with what was written.
    virtual bool commit() = 0;
    // Drops what was written; the target stays as it was.
    virtual void cancel() = 0;
    virtual QString errorString() const = 0;
};

// Runs open, write, flush and commit in turn; on the first failure cancels,
// sets error and returns false.
bool writeBytes(Sink &sink, const QByteArray &bytes, QString *error);

// Reads the regular file at path in pieces and hands over each line as
// soon as it is read, so a reader can check it and stop at the first
// damaged one by throwing: memory stays with what the reader keeps. False
// when path is no regular file, cannot be read or holds more than maxBytes.
bool forEachLine(const QString &path, qint64 maxBytes, const std::function<void(QString &&line)> &line);
// Every line of the file, as forEachLine reads them; nothing on failure.
std::optional<QStringList> readLines(const QString &path, qint64 maxBytes);

// The start of a file that may be damaged: the lines of its first maxBytes,
// the last one only when its line end is among them.
struct Head {
    QStringList lines;
    bool whole = true; // the file ended within maxBytes
};
// Nothing when path is no regular file or cannot be read.
std::optional<Head> readHead(const QString &path, qint64 maxBytes);

} // namespace atomictext
