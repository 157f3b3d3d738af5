#include "periphery/ProgramDirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
[[maybe_unused]] bool run(const QString &command) { return std::system(command.toLocal8Bit().constData()) == 0; }
} // namespace

class ProgramDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void writableProgramFolderStays()
    {
        QTemporaryDir bin, home;
        const QString data = home.filePath(QStringLiteral("share/Sudoku Nodala v3.0"));
        QCOMPARE(seams::chooseProgramDirectory(bin.path(), data), bin.path() + QLatin1Char('/'));
        QVERIFY(!QFile::exists(data));
        QCOMPARE(QDir(bin.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // An installed copy: a bin folder the user cannot write (a read-only
    // mount as root, who may write anywhere else).
    void readOnlyProgramFolderMovesToTheUsersDataFolder()
    {
#ifndef Q_OS_UNIX
        QSKIP("a folder of Windows is made read-only by its access list; the installer check covers it");
#else
        QTemporaryDir bin, home;
        bool mounted = false;
        if (geteuid() == 0) {
            mounted = run(QStringLiteral("mount -t tmpfs -o ro,size=16k tmpfs '%1'").arg(bin.path()));
            if (!mounted)
                QSKIP("cannot mount a read-only file system here");
        } else {
            QVERIFY(QFile::setPermissions(bin.path(), QFile::ReadOwner | QFile::ExeOwner));
        }
        const QString data = home.filePath(QStringLiteral("share/Sudoku Nodala v3.0"));
        const QString chosen = seams::chooseProgramDirectory(bin.path(), data);
        if (mounted)
            run(QStringLiteral("umount '%1'").arg(bin.path()));
        else
            QFile::setPermissions(bin.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(chosen, data + QLatin1Char('/'));
        QVERIFY(QFileInfo(data).isDir());
        QVERIFY(seams::canWriteIn(data));
#endif
    }
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "test_program_directory.moc"
