#include "periphery/ProgramDirectory.h"

#include <QDir>
#include <QTemporaryFile>

namespace seams {

QString withSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

bool canWriteIn(const QString &dir)
{
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(withSlash(dir) + QStringLiteral(".write-probe-XXXXXX"));
    return probe.open();
}

QString chooseProgramDirectory(const QString &programFileDir, const QString &userDataDir)
{
    if (canWriteIn(programFileDir) || userDataDir.isEmpty())
        return withSlash(programFileDir);
    // When even the data folder cannot be made, the program's own directory
    // stays: the game still starts and reports each failed save.
    if (!QDir().mkpath(userDataDir))
        return withSlash(programFileDir);
    return withSlash(userDataDir);
}

} // namespace seams
