#include "records/GameRecordFile.h"

#include <QFile>
#include <QSaveFile>

namespace gamerecord {

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    qsizetype size = 0;
    for (const QString &l : lines)
        size += l.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &l : lines) {
        bytes.append(l.toLatin1());
        bytes.append("\r\n", 2);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringList lines;
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    const char *start = begin;
    for (const char *p = begin; p != end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.append(QString::fromLatin1(start, p - start));
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.append(QString::fromLatin1(start, end - start));
    return lines;
}

} // namespace gamerecord
