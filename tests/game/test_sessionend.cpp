// A signal that ends the session closes the window from the event loop.
#include "game/SessionEnd.h"
#include "support/GameDriver.h"

#include <QCloseEvent>
#include <QDir>
#include <QTest>

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

} // namespace

class TestSessionEnd : public QObject {
    Q_OBJECT
private slots:
    void signalClosesWindow_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
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
        QCOMPARE(std::raise(SIGTERM), 0);
        QTRY_VERIFY(!g.form->isVisible());
        QCOMPARE(g.messages.reports, QStringList());
        QCOMPARE(&seams::messages(), static_cast<seams::Messages *>(&g.messages));
    }
};

QTEST_MAIN(TestSessionEnd)
#include "test_sessionend.moc"
