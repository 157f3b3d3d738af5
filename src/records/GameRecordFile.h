#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The game record file: single-byte text, every line ended by CR LF.
namespace gamerecord {

// The file name in the program's directory.
inline constexpr const char *kFileName = "lastgame.dat";

// Writes the lines atomically: a temporary file beside the target, then a
// rename, so a crash or a full disk never leaves a cut-off file in place of
// the last good one. On failure returns false and sets error to the reason.
bool writeLines(const QString &path, const QStringList &lines, QString *error);

// Reads the whole file and splits it at CR LF, LF or CR. Nothing when the
// file cannot be read or is implausibly large for a game record.
std::optional<QStringList> readLines(const QString &path);

// Files larger than this are not game records (100,000 steps take ~90 MB).
inline constexpr qint64 kMaxBytes = 512ll * 1024 * 1024;

} // namespace gamerecord
