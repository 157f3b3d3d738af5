// A signal that ends the session closes the window from the event loop.
#include "game/SessionEnd.h"

#include <QCloseEvent>
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
};

QTEST_MAIN(TestSessionEnd)
#include "test_sessionend.moc"
