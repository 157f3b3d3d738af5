#include "records/GameRecordFile.h"

#include "base/SaveTarget.h"
#include "base/TextLines.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace gamerecord {

namespace {

// QSaveFile unbuffered, so that a full disk fails the write itself rather
// than a buffered flush whose error the commit would not see, and synced
// before the rename.
class SaveFileSink final : public AtomicSink {
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

} // namespace

bool writeBytes(AtomicSink &sink, const QByteArray &bytes, QString *error)
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

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    const QString refused = savetarget::refusal(path);
    if (!refused.isEmpty()) {
        if (error)
            *error = refused;
        return false;
    }
    qsizetype size = 0;
    for (const QString &l : lines)
        size += l.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &l : lines) {
        bytes.append(l.toLatin1());
        bytes.append("\r\n", 2);
    }
    SaveFileSink sink(path);
    return writeBytes(sink, bytes, error);
}

bool forEachLine(const QString &path, const std::function<void(QString &&line)> &line)
{
    constexpr qint64 kChunk = 1 << 16;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return false;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    QByteArray pending; // the start of a line that runs on into the next chunk
    bool afterCr = false;
    qint64 total = 0;
    for (;;) {
        const qint64 n = file.read(chunk.data(), kChunk);
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += n;
        if (total > kMaxBytes) // it grew while being read
            return false;
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
    }
    if (!pending.isEmpty())
        line(QString::fromLatin1(pending));
    return true;
}

std::optional<QStringList> readLines(const QString &path)
{
    QStringList lines;
    if (!forEachLine(path, [&lines](QString &&line) { lines.append(std::move(line)); }))
        return std::nullopt;
    return lines;
}

} // namespace gamerecord
