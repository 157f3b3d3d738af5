// The elapsed-time label.
#include "board/TimeLabel.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestTimeLabel : public QObject {
    Q_OBJECT
private slots:
    void formatSeconds_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0:0:0";
        QTest::newRow("65 s") << 65 << "0:1:5";
        QTest::newRow("3725 s") << 3725 << "1:2:5";
        QTest::newRow("ten hours") << 36000 << "10:0:0";
        QTest::newRow("no wrap at a day") << 90061 << "25:1:1";
    }
    void formatSeconds()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(TTimeLabel::FormatSeconds(seconds), text);
    }

    void captionFollowsMS()
    {
        TTimeLabel label;
        QCOMPARE(label.text(), QString("0:00:00")); // the only padded form
        QCOMPARE(label.width(), 80);
        QVERIFY(label.font().bold());
        QCOMPARE(label.font().pointSize(), 11);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 255, 0));
        const QList<QPair<int, QString>> cases{{999, "0:0:0"}, {1000, "0:0:1"}, {59999, "0:0:59"}, {60000, "0:1:0"}};
        for (const auto &c : cases) {
            label.setMS(c.first);
            QCOMPARE(label.MS(), c.first);
            QCOMPARE(label.text(), c.second);
        }
    }

    void timerDrivesTheOwnersHandler()
    {
        TTimeLabel label;
        QCOMPARE(label.timeinterval(), 1000);
        QVERIFY(label.timerenabled());
        label.setTimeinterval(10);
        QCOMPARE(label.timer()->interval(), 10);
        QObject *sender = nullptr;
        int ticks = 0;
        label.setOnTimer([&](QObject *s) {
            sender = s;
            ++ticks;
            label.setMS(label.MS() + label.timeinterval());
        });
        QTRY_VERIFY(ticks >= 3);
        QCOMPARE(sender, label.timer());
        // Stopping leaves the count and caption as they are.
        label.setTimerenabled(false);
        QVERIFY(!label.timer()->isActive());
        const int ms = label.MS();
        const QString caption = label.text();
        QTest::qWait(50);
        QCOMPARE(label.MS(), ms);
        QCOMPARE(label.text(), caption);
        label.setTimerenabled(true);
        QVERIFY(label.timer()->isActive());
        QCOMPARE(label.timer()->interval(), 10);
    }
};

QTEST_MAIN(TestTimeLabel)
#include "test_timelabel.moc"
