#include "base/SaveTarget.h"

#include <QFile>
#include <QFileInfo>

namespace savetarget {

QString refusal(const QString &path)
{
    const QFileInfo info(path);
    // QFileInfo follows links for exists, isFile and isDir.
    const bool link = info.isSymLink();
    if (!info.exists())
        return link ? QStringLiteral("it is a link to a missing file") : QString();
    if (info.isFile()) {
        // The owner's write bit, not access(): root may write anything, but
        // a file the player made read-only is kept as it is for everyone.
        if (!info.permissions().testFlag(QFileDevice::WriteOwner))
            return QStringLiteral("it is read-only");
        return {};
    }
    if (info.isDir())
        return link ? QStringLiteral("it is a link to a directory") : QStringLiteral("it is a directory");
    return link ? QStringLiteral("it is a link to a device, pipe or other special file")
                : QStringLiteral("it is a device, pipe or other special file, not a regular file");
}

QString freshTarget(const QString &path)
{
    if (QFileInfo(path).isSymLink()) {
        QFile link(path);
        if (!link.remove())
            return QStringLiteral("it is a link that cannot be removed (%1)").arg(link.errorString());
    }
    return refusal(path);
}

} // namespace savetarget
