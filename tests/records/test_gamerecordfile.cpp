// Writing and reading the game record file.
#include "records/GameRecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace gamerecord;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
};

QTEST_GUILESS_MAIN(TestGameRecordFile)
#include "test_gamerecordfile.moc"
