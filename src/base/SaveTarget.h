#pragma once

#include <QString>

// What a save may replace. The game's files are written aside and renamed
// into place, and a rename through a link replaces whatever the link leads
// to: a device node, a pipe or a directory must never be replaced by a
// regular file, however the path came to point there.
namespace savetarget {

// Empty when a save may go on at path: nothing is there, or it is (or links
// to) a regular file its owner may write. Otherwise why not, as a clause:
// "it is a directory".
QString refusal(const QString &path);

// For a file that is always written afresh, never through a link: removes a
// link standing at path (the link only, not what it leads to), then gives
// refusal(path). Empty when the save may go on.
QString freshTarget(const QString &path);

} // namespace savetarget
