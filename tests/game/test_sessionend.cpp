// A signal that ends the session closes the window from the event loop.
#include "appearance/UfrmAppearance.h"
#include "periphery/SessionEnd.h"
#include "support/GameDriver.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {

class FakeWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
    }
};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// How the session ends: a signal where there are signals; on Windows the
// commit-data request, whose handler is end().
static void endSession(SessionEnd &sessionEnd)
{
#ifdef Q_OS_UNIX
    QCOMPARE(std::raise(SIGTERM), 0);
    (void)sessionEnd;
#else
    sessionEnd.end();
#endif
}

class TestSessionEnd : public QObject {
    Q_OBJECT
private slots:
    // First: the session end leaves every later event loop at once.
    void endWithAppearanceOpenCancelsIt()
    {
        fixture::Game g;
        FakeColorChooser chooser;
        chooser.answers = {255};
        TfrmAppearance *appearance = g.program->windows().frmAppearance;
        const QString ini = QDir(g.dir.path()).filePath(QStringLiteral("vorel.ini"));
        const QByteArray before = contents(ini);
        SessionEnd sessionEnd(g.form);
        g.form->show();
        QString held;
        QTimer::singleShot(0, appearance, [&] {
            QTest::mouseClick(appearance->Panel1, Qt::LeftButton);
            held = appearance->ReadKey(QStringLiteral("Board color1"));
            endSession(sessionEnd);
        });
        // Returns once the session end has closed everything.
        g.form->appearance1->trigger();
        QCOMPARE(held, QString("255"));
        QVERIFY(!appearance->isVisible());
        QVERIFY(!g.form->isVisible());
        QCOMPARE(contents(ini), before);
    }

    void signalClosesWindow_data()
    {
        QTest::addColumn<int>("signal");
#ifndef Q_OS_UNIX
        QSKIP("Windows ends a session through the commit-data request only");
#else
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
#endif
    }

    void signalClosesWindow()
    {
        QFETCH(int, signal);
        FakeWindow window;
        window.show();
        SessionEnd sessionEnd(&window);
        QCOMPARE(std::raise(signal), 0);
        // Nothing happens inside the handler itself.
        QCOMPARE(window.closes, 0);
        QTRY_COMPARE(window.closes, 1);
        QVERIFY(!window.isVisible());
    }

    // A save that fails while the session ends is said on standard error,
    // not in a box that would keep the program waiting.
    void failedSaveDoesNotHoldTheEnd()
    {
        fixture::Game g;
        g.deal();
        QVERIFY(QDir(g.dir.path()).mkdir("lastgame.dat"));
        g.form->show();
        SessionEnd sessionEnd(g.form);
        endSession(sessionEnd);
        QTRY_VERIFY(!g.form->isVisible());
        QCOMPARE(g.messages.reports, QStringList());
        QCOMPARE(&seams::messages(), static_cast<seams::Messages *>(&g.messages));
    }
};

QTEST_MAIN(TestSessionEnd)
#include "test_sessionend.moc"
