#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The game record file: single-byte text, every line ended by CR LF.
namespace gamerecord {

// The file name in the program's directory.
inline constexpr const char *kFileName = "lastgame.dat";

// Writes the lines atomically: a temporary file beside the target, then a
// rename, so a crash or a full disk never leaves a cut-off file in place of
// the last good one. Nothing is written where the path is, or leads to,
// anything but a regular file. On failure returns false and sets error to
// the reason.
bool writeLines(const QString &path, const QStringList &lines, QString *error);

// The steps of an atomic replacement. Each reports its own failure, so a
// failed write or flush is never followed by the commit.
class AtomicSink {
public:
    virtual ~AtomicSink() = default;
    virtual bool open() = 0;
    // Writes every byte or fails.
    virtual bool write(const QByteArray &bytes) = 0;
    // Puts the written bytes on the device.
    virtual bool flush() = 0;
    // Replaces the target with what was written.
    virtual bool commit() = 0;
    // Drops what was written; the target stays as it was.
    virtual void cancel() = 0;
    virtual QString errorString() const = 0;
};

// Runs open, write, flush and commit in turn; on the first failure cancels,
// sets error and returns false.
bool writeBytes(AtomicSink &sink, const QByteArray &bytes, QString *error);

// Reads the file in pieces and hands over each line, split at CR LF, LF or
// CR, as soon as it is read, so a reader can check it and stop at the first
// damaged one by throwing: memory stays with what the reader keeps. False
// when the file cannot be read or is implausibly large for a game record.
bool forEachLine(const QString &path, const std::function<void(QString &&line)> &line);

// Every line of the file, as forEachLine reads them; nothing on failure.
std::optional<QStringList> readLines(const QString &path);

// Files larger than this are not game records (100,000 steps take ~90 MB).
inline constexpr qint64 kMaxBytes = 512ll * 1024 * 1024;

} // namespace gamerecord
