#include "records/GameRecordFile.h"

#include "board/SaveTarget.h"
#include "board/TextLines.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
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
#ifdef Q_OS_UNIX
        if (::fsync(file_.handle()) != 0) {
            syncError_ = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
#endif
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

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxBytes)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringList lines;
    textlines::forEachLine(bytes.constData(), bytes.constData() + bytes.size(),
                           [&lines](const char *first, const char *last) { lines.append(QString::fromLatin1(first, last - first)); });
    return lines;
}

} // namespace gamerecord
