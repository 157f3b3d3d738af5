// Writing and reading the game record file.
#include "records/GameRecordFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace gamerecord;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A sink that fails at one named step and records the steps it ran.
class FailingSink final : public AtomicSink {
public:
    explicit FailingSink(QString failAt) : failAt_(std::move(failAt)) {}
    QStringList ran;
    bool open() override { return step("open"); }
    bool write(const QByteArray &) override { return step("write"); }
    bool flush() override { return step("flush"); }
    bool commit() override { return step("commit"); }
    void cancel() override { ran << "cancel"; }
    QString errorString() const override { return "No space left on device"; }

private:
    bool step(const QString &name)
    {
        ran << name;
        return name != failAt_;
    }
    QString failAt_;
};

[[maybe_unused]] bool run(const QString &command)
{
    return QProcess::execute("sh", {"-c", command + " >/dev/null 2>&1"}) == 0;
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestGameRecordFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path() const { return dir.filePath(kFileName); }

private slots:
    void writesCrLfAfterEveryLine()
    {
        QString error;
        QVERIFY(writeLines(path(), {"2 000", "", "15,27"}, &error));
        QCOMPARE(contents(path()), QByteArray("2 000\r\n\r\n15,27\r\n"));
        // Replacing an earlier file.
        QVERIFY(writeLines(path(), {"5 "}, &error));
        QCOMPARE(contents(path()), QByteArray("5 \r\n"));
        // Nothing but the record is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{kFileName});
    }

    void readsEveryLineEnding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("mixed, no final end") << QByteArray("a\r\n\nb\rc") << QStringList{"a", "", "b", "c"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("single bytes") << QByteArray("\xe9\x00z", 3) << QStringList{QString::fromLatin1("\xe9\x00z", 3)};
    }
    void readsEveryLineEnding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        put(path(), bytes);
        const auto read = readLines(path());
        QVERIFY(read.has_value());
        QCOMPARE(*read, lines);
    }

    void missingFile() { QVERIFY(!readLines(dir.filePath("none.dat")).has_value()); }

    void failedWriteKeepsTheOldFile()
    {
        QString error;
        QVERIFY(writeLines(path(), {"good"}, &error));
        // A directory in the way of the temporary file's rename.
        const QString blocked = dir.filePath("blocked");
        QVERIFY(QDir(dir.path()).mkdir("blocked"));
        QVERIFY(!writeLines(blocked, {"x"}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(contents(path()), QByteArray("good\r\n"));
        // A directory that does not exist.
        QVERIFY(!writeLines(dir.filePath("no/such/dir/lastgame.dat"), {"x"}, &error));
        QVERIFY(!error.isEmpty());
    }

    void roundTripOfALongHistory()
    {
        QStringList lines{"2 " + QString(81, '0'), QString(81, '5')};
        const QString step = QStringList(81, "3123456789").join(',');
        for (int i = 0; i < 2000; ++i)
            lines << step;
        QString error;
        QVERIFY(writeLines(path(), lines, &error));
        QCOMPARE(readLines(path()).value(), lines);
    }

    void aFailedStepIsNeverCommitted_data()
    {
        QTest::addColumn<QString>("failAt");
        QTest::addColumn<QStringList>("ran");
        QTest::newRow("open") << "open" << QStringList{"open", "cancel"};
        QTest::newRow("write") << "write" << QStringList{"open", "write", "cancel"};
        QTest::newRow("flush") << "flush" << QStringList{"open", "write", "flush", "cancel"};
        QTest::newRow("commit") << "commit" << QStringList{"open", "write", "flush", "commit", "cancel"};
    }
    void aFailedStepIsNeverCommitted()
    {
        QFETCH(QString, failAt);
        QFETCH(QStringList, ran);
        FailingSink sink(failAt);
        QString error;
        QVERIFY(!writeBytes(sink, "x\r\n", &error));
        QCOMPARE(sink.ran, ran);
        QCOMPARE(error, QString("No space left on device"));
    }

    // A real full file system, where the test may mount one (as root).
    void fullDiskKeepsThePreviousFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("no small file system to mount on Windows");
#else
        QTemporaryDir mount;
        if (geteuid() != 0 || !run("mount -t tmpfs -o size=64k tmpfs " + mount.path()))
            QSKIP("cannot mount a small file system here");
        const QString target = mount.filePath(kFileName);
        QString error;
        QVERIFY(writeLines(target, {"good"}, &error));
        // Leave one 4 KiB page free, then write a 9.9 KB record.
        run("dd if=/dev/zero of=" + mount.filePath("fill") + " bs=4096 count=14");
        const bool written = writeLines(target, QStringList(60, QString(163, '1')), &error);
        const QByteArray kept = contents(target);
        run("umount " + mount.path());
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(kept, QByteArray("good\r\n"));
#endif
    }
};

QTEST_GUILESS_MAIN(TestGameRecordFile)
#include "test_gamerecordfile.moc"
