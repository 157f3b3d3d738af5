#include "base/AtomicTextFile.h"

#include "base/SaveTarget.h"
#include "base/TextLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace atomictext {

QByteArray encode(const QStringList &lines)
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
    return bytes;
}

QStringList decode(const QByteArray &bytes)
{
    QStringList out;
    textlines::forEachLine(bytes.constData(), bytes.constData() + bytes.size(),
                           [&out](const char *first, const char *last) { out.append(QString::fromLatin1(first, last - first)); });
    return out;
}

namespace {

// QSaveFile unbuffered, so that a full disk fails the write itself rather
// than a buffered flush whose error the commit would not see, and synced
// before the rename.
class SaveFileSink final : public Sink {
public:
    explicit SaveFileSink(const QString &path) : file_(path) {}
    bool open() override { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool write(const QByteArray &bytes) override
    {
        qint64 done = 0;
        while (done < bytes.size()) {
            const qint64 n = file_.write(bytes.constData() + done, bytes.size() - done);
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }
    bool flush() override
    {
        if (!file_.flush())
            return false;
#ifdef Q_OS_WIN
        const int synced = ::_commit(file_.handle());
#else
        const int synced = ::fsync(file_.handle());
#endif
        if (synced != 0) {
            syncError_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }
    bool commit() override { return file_.commit(); }
    void cancel() override { file_.cancelWriting(); }
    QString errorString() const override { return syncError_.isEmpty() ? file_.errorString() : syncError_; }

private:
    QSaveFile file_;
    QString syncError_;
};

// Where the temporary files of a save of path go: beside the file a chain
// of links ends at, as QSaveFile writes through them.
QFileInfo finalFile(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info;
}

// QSaveFile names its temporary file after the target, a dot and six
// letters; one that a crash or a kill left at the rename is never used
// again.
void removeLeftovers(const QString &path)
{
    const QFileInfo target = finalFile(path);
    const QRegularExpression own(QRegularExpression::anchoredPattern(QRegularExpression::escape(target.fileName())
                                                                     + QStringLiteral("\\.[A-Za-z]{6}")));
    const QDir dir = target.dir();
    const QStringList names = dir.entryList({target.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QFileInfo leftover(dir.filePath(name));
        if (own.match(name).hasMatch() && leftover.isFile() && !leftover.isSymLink())
            QFile::remove(leftover.filePath());
    }
}

enum class ReadEnd { Whole, Cut, Failed };

// Hands over the lines of the regular file at path. Beyond maxBytes, with
// cut it stops and drops the unfinished line; without, it fails.
ReadEnd read(const QString &path, qint64 maxBytes, bool cut, const std::function<void(QString &&line)> &line)
{
    constexpr qint64 kChunk = 1 << 16;
    // Only a regular file: a directory is unreadable, and reading a pipe
    // could wait forever.
    if (!QFileInfo(path).isFile())
        return ReadEnd::Failed;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (!cut && file.size() > maxBytes))
        return ReadEnd::Failed;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    QByteArray pending; // the start of a line that runs on into the next chunk
    bool afterCr = false;
    qint64 total = 0;
    for (;;) {
        const qint64 n = file.read(chunk.data(), cut ? qMin(kChunk, maxBytes - total) : kChunk);
        if (n < 0)
            return ReadEnd::Failed;
        if (n == 0)
            break;
        total += n;
        if (!cut && total > maxBytes) // it grew while being read
            return ReadEnd::Failed;
        textlines::Scanner<char> scanner(chunk.constData(), chunk.constData() + n, afterCr);
        const char *first, *last;
        bool ended;
        while (scanner.next(first, last, ended)) {
            if (!ended) {
                pending.append(first, last - first);
            } else if (pending.isEmpty()) {
                line(QString::fromLatin1(first, last - first));
            } else {
                pending.append(first, last - first);
                line(QString::fromLatin1(pending));
                pending.clear();
            }
        }
        afterCr = scanner.endsInCr();
        if (cut && total == maxBytes) {
            char more;
            const qint64 beyond = file.read(&more, 1);
            if (beyond < 0)
                return ReadEnd::Failed;
            if (beyond > 0)
                return ReadEnd::Cut; // the unfinished line is no whole one
            break;
        }
    }
    if (!pending.isEmpty())
        line(QString::fromLatin1(pending));
    return ReadEnd::Whole;
}

} // namespace

bool writeBytes(Sink &sink, const QByteArray &bytes, QString *error)
{
    if (sink.open() && sink.write(bytes) && sink.flush() && sink.commit())
        return true;
    if (error) {
        *error = sink.errorString();
        if (error->isEmpty())
            *error = QStringLiteral("Unknown error");
    }
    sink.cancel();
    return false;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error, Target target)
{
    const QString refused = target.replaceLink ? savetarget::freshTarget(path) : savetarget::refusal(path);
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    if (target.removeLeftovers)
        removeLeftovers(path);
    SaveFileSink sink(path);
    return writeBytes(sink, bytes, error);
}

bool writeLines(const QString &path, const QStringList &lines, QString *error, Target target)
{
    return writeBytes(path, encode(lines), error, target);
}

bool forEachLine(const QString &path, qint64 maxBytes, const std::function<void(QString &&line)> &line)
{
    return read(path, maxBytes, false, line) == ReadEnd::Whole;
}

std::optional<QStringList> readLines(const QString &path, qint64 maxBytes)
{
    QStringList lines;
    if (!forEachLine(path, maxBytes, [&lines](QString &&line) { lines.append(std::move(line)); }))
        return std::nullopt;
    return lines;
}

std::optional<Head> readHead(const QString &path, qint64 maxBytes)
{
    Head head;
    const ReadEnd end = read(path, maxBytes, true, [&head](QString &&line) { head.lines.append(std::move(line)); });
    if (end == ReadEnd::Failed)
        return std::nullopt;
    head.whole = end == ReadEnd::Whole;
    return head;
}

} // namespace atomictext
