// The game's one writer and reader of files, on the game record.
#include "base/AtomicTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace atomictext;

namespace {

const QString kFileName = QStringLiteral("lastgame.dat");
constexpr qint64 kMaxBytes = 512ll * 1024 * 1024; // the game record's bound

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A sink that fails at one named step and records the steps it ran.
class FailingSink final : public Sink {
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

class TestAtomicTextFile : public QObject {
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
        const auto read = readLines(path(), kMaxBytes);
        QVERIFY(read.has_value());
        QCOMPARE(*read, lines);
    }

    void missingFile() { QVERIFY(!readLines(dir.filePath("none.dat"), kMaxBytes).has_value()); }

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
        QCOMPARE(readLines(path(), kMaxBytes).value(), lines);
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

    // A save cut off before its rename leaves its temporary file; the next
    // save of that file removes it, and nothing of another name.
    void leftoversOfAnInterruptedSaveGo()
    {
        QTemporaryDir own;
        const QStringList others{"lastgame.dat.bak", "lastgame.dat.AbCdE1", "lastgame.dat.AbCdEfG", "vorel.ini.AbCdEf",
                                 "xlastgame.dat.AbCdEf"};
        for (const QString &name : others + QStringList{"lastgame.dat.AbCdEf", "lastgame.dat.zzzzzz"})
            put(own.filePath(name), "2 000\r\n");
        QVERIFY(QDir(own.path()).mkdir("lastgame.dat.QwErTy"));
        QString error;
        QVERIFY(writeLines(own.filePath(kFileName), {"1"}, &error));
        QStringList kept = others + QStringList{kFileName};
        kept.sort();
        QCOMPARE(QDir(own.path()).entryList(QDir::Files), kept);
        QVERIFY(QFileInfo(own.filePath("lastgame.dat.QwErTy")).isDir());
        // Not in a folder the player chose.
        put(own.filePath("sheet.pdf.AbCdEf"), "%PDF");
        QVERIFY(writeBytes(own.filePath("sheet.pdf"), "%PDF", &error, {.removeLeftovers = false}));
        QVERIFY(QFileInfo::exists(own.filePath("sheet.pdf.AbCdEf")));
    }

    // The owner's write bit is kept for every user, root included.
    void readOnlyFileIsKept()
    {
        QTemporaryDir own;
        const QString file = own.filePath(kFileName);
        put(file, "good\r\n");
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        QString error;
        QVERIFY(!writeLines(file, {"x"}, &error));
        QCOMPARE(error, QString("it is read-only"));
        QCOMPARE(contents(file), QByteArray("good\r\n"));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    }

    // The start of a damaged file: its whole lines up to the bound.
    void headKeepsWholeLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("whole");
        QTest::newRow("within") << QByteArray("a\r\nb") << 5 << QStringList{"a", "b"} << true;
        QTest::newRow("to the byte") << QByteArray("a\r\nb") << 4 << QStringList{"a", "b"} << true;
        QTest::newRow("cut line dropped") << QByteArray("a\r\nbc") << 4 << QStringList{"a"} << false;
        QTest::newRow("cut after CR") << QByteArray("a\r\nb") << 2 << QStringList{"a"} << false;
        QTest::newRow("NUL padding") << QByteArray("0 1\r\n").append(200000, '\0') << 100000 << QStringList{"0 1"} << false;
    }
    void headKeepsWholeLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxBytes);
        QTemporaryDir own;
        put(own.filePath("f"), bytes);
        const std::optional<Head> head = readHead(own.filePath("f"), maxBytes);
        QVERIFY(head.has_value());
        QTEST(head->lines, "lines");
        QTEST(head->whole, "whole");
        QVERIFY(!readHead(own.path(), maxBytes).has_value()); // a directory
    }
};

QTEST_GUILESS_MAIN(TestAtomicTextFile)
#include "test_atomic_text_file.moc"
