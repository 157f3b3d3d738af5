// The game's three files are never written over what is not a regular file:
// a link to a device node, a pipe or a directory in place of "lastgame.dat",
// "vorel.ini" or "print_temp.htm" is left as it was, and the report says why.
#include "support/GameDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using fixture::Game;

namespace {

enum class Kind { Pipe, LinkToPipe, LinkToDevice, LinkToDirectory, LinkToFile };

// Makes what kind names in the test's own directory: at path itself, or
// behind a link at path. Returns what a save must leave alone (empty when
// it cannot be made here, with the reason in skip).
QString plant(Kind kind, const QString &path, const QString &dir, QString &skip)
{
    const QString target = QDir(dir).filePath(QStringLiteral("target"));
#ifdef Q_OS_UNIX
    const QString node = kind == Kind::Pipe ? path : target;
    switch (kind) {
    case Kind::Pipe:
    case Kind::LinkToPipe:
        if (::mkfifo(QFile::encodeName(node).constData(), 0600) != 0)
            skip = QStringLiteral("mkfifo failed");
        break;
    case Kind::LinkToDevice:
        // A private node of the null device: replacing it would harm nothing.
        if (::geteuid() != 0 || ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            skip = QStringLiteral("a device node can be made by root only");
        break;
    case Kind::LinkToDirectory:
        QDir().mkdir(node);
        break;
    case Kind::LinkToFile: {
        QFile f(node);
        if (f.open(QIODevice::WriteOnly))
            f.write("old\r\n");
        break;
    }
    }
    if (skip.isEmpty() && kind != Kind::Pipe && !QFile::link(target, path))
        skip = QStringLiteral("links cannot be made here");
    return node;
#else
    Q_UNUSED(kind);
    Q_UNUSED(path);
    skip = QStringLiteral("pipes, device nodes and links are made on Unix only");
    return target;
#endif
}

// The node is still what it was: not turned into a regular file.
bool intact(Kind kind, const QString &node)
{
    const QFileInfo info(node);
    if (kind == Kind::LinkToDirectory)
        return info.isDir();
    if (kind == Kind::LinkToFile)
        return info.isFile();
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestSaveTargets : public QObject {
    Q_OBJECT

private slots:
    void specialFilesAreNeverReplaced_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Kind>("kind");
        for (const char *file : {"lastgame.dat", "vorel.ini", "print_temp.htm"}) {
            QTest::addRow("%s is a pipe", file) << QString::fromLatin1(file) << Kind::Pipe;
            QTest::addRow("%s links to a pipe", file) << QString::fromLatin1(file) << Kind::LinkToPipe;
            QTest::addRow("%s links to a device", file) << QString::fromLatin1(file) << Kind::LinkToDevice;
            QTest::addRow("%s links to a directory", file) << QString::fromLatin1(file) << Kind::LinkToDirectory;
            QTest::addRow("%s links to a file", file) << QString::fromLatin1(file) << Kind::LinkToFile;
        }
    }
    void specialFilesAreNeverReplaced()
    {
        QFETCH(QString, file);
        QFETCH(Kind, kind);
        Game g(false);
        const QString path = g.dir.filePath(file);
        QString skip;
        const QString node = plant(kind, path, g.dir.path(), skip);
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        g.open();
        g.deal();
        const bool page = file == QLatin1String("print_temp.htm");
        if (page)
            g.form->PrintableBoardClick();
        g.close();

        QVERIFY(intact(kind, node));
        const QStringList said = g.messages.reports + g.messages.errors;
        if (page && kind != Kind::Pipe) {
            // The link is dropped, the page written as a file of its own.
            QVERIFY(!QFileInfo(path).isSymLink() && QFileInfo(path).isFile());
            QCOMPARE(g.shell.opened, QStringList{path});
            if (kind == Kind::LinkToFile) {
                QFile f(node);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QCOMPARE(f.readAll(), QByteArray("old\r\n"));
            }
        } else if (kind == Kind::LinkToFile) {
            // Through a link to a regular file the save goes on.
            QVERIFY(QFileInfo(path).isSymLink());
            QVERIFY(QFileInfo(node).size() > 100);
        } else {
            QCOMPARE(said.size(), 1);
            QVERIFY2(said[0].contains(file) && said[0].contains(QLatin1String(kind == Kind::Pipe ? "it is a" : "it is a link")),
                     qPrintable(said[0]));
        }
        if ((page && kind != Kind::Pipe) || kind == Kind::LinkToFile)
            QCOMPARE(said, QStringList());
    }
};

QTEST_MAIN(TestSaveTargets)
#include "test_save_targets.moc"
