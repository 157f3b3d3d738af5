// The settings lines: reading and writing keys, the file's bytes, colours.
#include "DefaultSettings.h"
#include "appearance/SettingsBuffer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

using fixture::kDefaultFile;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestSettingsBuffer : public QObject {
    Q_OBJECT
private slots:
    void readKey_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("line");
        QTest::newRow("plain") << QStringList{"[s]", "Board color1=255"} << "Board color1" << "255" << 2;
        QTest::newRow("blanks trimmed") << QStringList{"Board color1=  255 \t"} << "Board color1" << "255" << 1;
        QTest::newRow("at most the key's length") << QStringList{"default font=12345678901234567"}
                                                  << "default font" << "123456789012" << 1;
        QTest::newRow("first match wins") << QStringList{"Auto_check=0", "Auto_check=1"} << "Auto_check" << "0" << 1;
        // The value is counted from the line's start, wherever the key is.
        QTest::newRow("key found later in the line") << QStringList{"xdefault color=1"} << "default color" << "=1"
                                                     << 1;
        QTest::newRow("case matters") << QStringList{"auto_check=0"} << "Auto_check" << "" << 0;
        QTest::newRow("no equals sign") << QStringList{"Auto_check 0"} << "Auto_check" << "" << 0;
        QTest::newRow("empty value at end") << QStringList{"Auto_check="} << "Auto_check" << "" << 1;
        QTest::newRow("no lines") << QStringList{} << "Auto_check" << "" << 0;
    }
    void readKey()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, key);
        SettingsBuffer b;
        b.lines = lines;
        QTEST(b.ReadKey(key), "value");
        QTEST(b.FindKey(key), "line");
    }

    void writeKeyReplacesOrAppends()
    {
        SettingsBuffer b;
        b.lines = {"[Board background]", "Board color1=1", "[Font color]"};
        b.WriteKey("Board color1", "255");
        b.WriteKey("Auto_check", "0");
        QCOMPARE(b.lines, (QStringList{"[Board background]", "Board color1=255", "[Font color]", "Auto_check=0"}));
    }

    void defaultsAreTheFourteenLines()
    {
        SettingsBuffer b;
        b.lines = {"junk"};
        b.FillDefaults();
        QCOMPARE(SettingsBuffer::Encode(b.lines), kDefaultFile);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\na") << QStringList{"", "", "a"};
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("single bytes") << QByteArray("\xe9=\x00\xff", 4) << QStringList{QString::fromLatin1("\xe9=\x00\xff", 4)};
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QTEST(SettingsBuffer::Decode(bytes), "lines");
    }

    void parseColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("white") << "16777215" << true << 16777215;
        QTest::newRow("minus one") << "-1" << true << -1;
        QTest::newRow("plus sign") << "+7" << true << 7;
        QTest::newRow("int max") << "2147483647" << true << 2147483647;
        QTest::newRow("int min") << "-2147483648" << true << int(-2147483647 - 1);
        QTest::newRow("one past max") << "2147483648" << false << 0;
        QTest::newRow("twenty digits") << "99999999999999999999" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("hex") << "$FF" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("inner blank") << "12 3" << false << 0;
    }
    void parseColor()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        const std::optional<TColor> c = SettingsBuffer::ParseColor(text);
        QCOMPARE(c.has_value(), ok);
        if (ok)
            QTEST(*c, "value");
    }

    void saveAndLoadKeepBytes()
    {
        QTemporaryDir dir;
        const QString d = dir.path() + '/';
        const QByteArray odd("x=\xe9\x01\r\nBig Number color=-1\r\n", 27);
        writeFile(SettingsBuffer::FilePath(d), odd);
        SettingsBuffer b;
        QVERIFY(b.Load(d));
        QVERIFY(b.Save(d));
        QFile f(SettingsBuffer::FilePath(d));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), odd);
    }

    void unreadableLeavesLines_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("missing") << "missing";
        QTest::newRow("directory") << "directory";
        QTest::newRow("over the size limit") << "large";
    }
    void unreadableLeavesLines()
    {
        QFETCH(QString, what);
        QTemporaryDir dir;
        const QString d = dir.path() + '/';
        if (what == "directory")
            QVERIFY(QDir(dir.path()).mkdir(SettingsBuffer::kFileName));
        if (what == "large")
            writeFile(SettingsBuffer::FilePath(d), QByteArray(SettingsBuffer::kMaxFileSize + 1, '7'));
        SettingsBuffer b;
        b.lines = {"kept"};
        QVERIFY(!b.Load(d));
        QCOMPARE(b.lines, QStringList{"kept"});
        if (what == "directory")
            QVERIFY(!b.Save(d));
    }

    // Random lines and keys: reading agrees with the rule, writing then
    // reading gives the value back, and the file's bytes keep the lines.
    void fuzz()
    {
        std::mt19937 rng(20240611);
        const QStringList keys{"default color", "Board color1", "Auto_check", "highlight_color"};
        const QString alphabet = QStringLiteral("=- 0123456789abBoard colr1_[]\t\xe9");
        for (int n = 0; n < 2000; ++n) {
            SettingsBuffer b;
            const int count = static_cast<int>(rng() % 8);
            for (int i = 0; i < count; ++i) {
                QString line;
                if (rng() % 2)
                    line = keys.at(static_cast<int>(rng() % keys.size())) + '=';
                for (unsigned k = rng() % 30; k > 0; --k)
                    line += alphabet.at(static_cast<int>(rng() % alphabet.size()));
                b.lines << line;
            }
            const QString key = keys.at(static_cast<int>(rng() % keys.size()));
            const QString read = b.ReadKey(key);
            QVERIFY(read.size() <= key.size());
            QCOMPARE(b.FindKey(key) == 0, !b.lines.join('\n').contains(key + '='));
            if (const std::optional<TColor> c = b.ReadColor(key))
                QCOMPARE(QString::number(*c).toInt(), *c);
            QCOMPARE(SettingsBuffer::Decode(SettingsBuffer::Encode(b.lines)), b.lines);
            const QString value = QString::number(static_cast<int>(rng() % 1000));
            b.WriteKey(key, value);
            QCOMPARE(b.ReadKey(key), value);
        }
    }
};

QTEST_APPLESS_MAIN(TestSettingsBuffer)
#include "test_settings_buffer.moc"
