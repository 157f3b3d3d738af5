#pragma once

#include <QString>

namespace seams {

// Where the game keeps its files. The directory of the program's own file
// when the game may write there (portable use, the build folder); else the
// user's own data folder for the game, created when missing, so that an
// installed copy in a read-only bin folder still saves and resumes, and each
// user keeps their own games. The answer has a trailing '/'.
QString chooseProgramDirectory(const QString &programFileDir, const QString &userDataDir);

// dir with a trailing '/', as every path of the program directory is held.
QString withSlash(QString dir);

// True when a file can really be created in dir (permissions, ACLs,
// read-only mounts all answer the same way).
bool canWriteIn(const QString &dir);

} // namespace seams
