// An exception escaping an event handler shows the standard error box and
// the program goes on.
#include "base/Digits.h"
#include "app/Application.h"
#include "support/FakeSeams.h"

#include <QPushButton>
#include <QTest>

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            digitValue(QChar('x'));
        return QObject::event(e);
    }
};

// An error box that, while open, lets another failing handler run (as a
// timer or a repaint would under a modal box).
class ReenteringMessages final : public seams::Messages {
public:
    ReenteringMessages() { seams::setMessages(this); }
    ~ReenteringMessages() override { seams::setMessages(nullptr); }
    QStringList errors;
    bool ask(const QString &) override { return false; }
    void report(const QString &) override {}
    void error(const QString &text) override
    {
        errors << text;
        seams::guard([] { digitValue(QChar('y')); });
    }
};

} // namespace

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void guardedHandlerStopsAndReports()
    {
        FakeMessages messages;
        QStringList steps;
        seams::guard([&] {
            steps << "before";
            digitValue(QChar('a'));
            steps << "after";
        });
        QCOMPARE(steps, QStringList{"before"});
        QCOMPARE(messages.errors, QStringList{"'a' is not a valid integer value"});
    }

    void escapingTheEventLoop()
    {
        FakeMessages messages;
        Throwing target;
        QEvent e(QEvent::User);
        QCoreApplication::sendEvent(&target, &e);
        QCOMPARE(messages.errors, QStringList{"'x' is not a valid integer value"});
        // The program goes on: further events are delivered as usual.
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(messages.errors.size(), 2);
        int clicks = 0;
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
        button.click();
        QCOMPARE(clicks, 1);
    }

    void oneErrorBoxAtATime()
    {
        ReenteringMessages messages;
        bool stopped = false;
        seams::guard([] { digitValue(QChar('x')); },
                     [&] {
                         QVERIFY(messages.errors.isEmpty()); // before the box
                         stopped = true;
                     });
        QVERIFY(stopped);
        QCOMPARE(messages.errors, QStringList{"'x' is not a valid integer value"});
        QVERIFY(!seams::errorShowing());
        // Once it is closed the next failure shows again.
        seams::guard([] { digitValue(QChar('z')); });
        QCOMPARE(messages.errors.size(), 2);
    }
};

int main(int argc, char **argv)
{
    NodalaApplication app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_errorbox.moc"
