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
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char ch = bytes.at(i);
        if (ch != '\r' && ch != '\n')
            continue;
        lines.append(QString::fromLatin1(bytes.constData() + start, i - start));
        if (ch == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(QString::fromLatin1(bytes.constData() + start, n - start));
    return lines;
}

} // namespace gamerecord
