#include "records/GameRecordFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

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
    // memchr scans far faster than a byte loop; remember the next CR and
    // the next LF so each is searched for once per line.
    auto next = [end](const char *from, char ch) {
        const void *p = std::memchr(from, ch, static_cast<std::size_t>(end - from));
        return p ? static_cast<const char *>(p) : end;
    };
    const char *start = begin;
    const char *cr = next(begin, '\r');
    const char *lf = next(begin, '\n');
    while (start != end) {
        const char *stop = cr < lf ? cr : lf;
        lines.append(QString::fromLatin1(start, stop - start));
        if (stop == end)
            break;
        start = stop + 1;
        if (*stop == '\r' && start != end && *start == '\n')
            ++start;
        if (cr < start)
            cr = next(start, '\r');
        if (lf < start)
            lf = next(start, '\n');
    }
    return lines;
}

} // namespace gamerecord
