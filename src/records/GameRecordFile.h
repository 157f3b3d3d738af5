#pragma once

#include <QtGlobal>

// The game record file: the game in progress with its whole history, one
// line a step, written and read by base/AtomicTextFile.h.
namespace gamerecord {

// The file name in the program's directory.
inline constexpr const char *kFileName = "lastgame.dat";

// Files larger than this are not game records (100,000 steps take ~90 MB).
inline constexpr qint64 kMaxBytes = 512ll * 1024 * 1024;

} // namespace gamerecord
