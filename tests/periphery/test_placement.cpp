// Where windows open: centred with the title bar on the screen, and the
// Next Step window beside the main window, also on small and scaled screens.
#include "periphery/Placement.h"

#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void centred_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("fits") << QSize(532, 557) << QRect(0, 0, 1920, 1050) << QPoint(694, 246);
        // 1920 x 1080 at twice the scale: the frame is taller than the area.
        QTest::newRow("2x, taller") << QSize(532, 557) << QRect(0, 0, 960, 540) << QPoint(214, 0);
        QTest::newRow("2x, panel on top") << QSize(532, 557) << QRect(0, 40, 960, 500) << QPoint(214, 40);
        QTest::newRow("wider") << QSize(1000, 400) << QRect(0, 0, 960, 540) << QPoint(0, 70);
        QTest::newRow("second screen") << QSize(532, 557) << QRect(1920, 0, 1280, 1024) << QPoint(2294, 233);
    }
    void centred()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        QFETCH(QPoint, at);
        QCOMPARE(placement::centred(size, area), at);
    }

    // A window keeps its size where its frame fits, else is cut to the area.
    void fitted_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QSize>("kept");
        const QSize howToPlay(560, 600);
        QTest::newRow("fits") << howToPlay << QRect(0, 0, 1920, 1050) << howToPlay;
        QTest::newRow("fits exactly") << howToPlay << QRect(0, 0, 564, 630) << howToPlay;
        // 1920 x 1080 at twice the scale.
        QTest::newRow("2x, too tall") << howToPlay << QRect(0, 0, 960, 540) << QSize(560, 510);
        QTest::newRow("2x, panel on top") << howToPlay << QRect(0, 40, 960, 500) << QSize(560, 470);
        QTest::newRow("too wide and tall") << QSize(1000, 600) << QRect(0, 0, 800, 540) << QSize(796, 510);
    }
    void fitted()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, area);
        QFETCH(QSize, kept);
        const QSize decoration(4, 30); // borders and a title bar
        QCOMPARE(placement::fitted(size, decoration, area), kept);
    }

    // The main window's frame as it opens at 1x; Next Step 236 x 470 wide,
    // at least 190 x 300.
    void besideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("right") << QRect(246, 100, 532, 557) << QRect(0, 0, 1024, 768) << QRect(782, 100, 236, 470);
        QTest::newRow("left only") << QRect(700, 100, 532, 557) << QRect(0, 0, 1280, 768) << QRect(460, 100, 236, 470);
        QTest::newRow("low on the screen") << QRect(246, 400, 532, 557) << QRect(0, 0, 1024, 768)
                                           << QRect(782, 298, 236, 470);
        QTest::newRow("second screen") << QRect(1300, 50, 532, 557) << QRect(1024, 0, 1280, 1024)
                                       << QRect(1836, 50, 236, 470);
        QTest::newRow("2x, narrowed beside") << QRect(214, 0, 532, 557) << QRect(0, 0, 960, 540)
                                             << QRect(750, 0, 210, 470);
        QTest::newRow("no side: below") << QRect(134, 0, 532, 557) << QRect(0, 0, 800, 1200) << QRect(134, 561, 236, 470);
        QTest::newRow("no side: above") << QRect(134, 643, 532, 557) << QRect(0, 0, 800, 1200)
                                        << QRect(134, 169, 236, 470);
        QTest::newRow("shortened below") << QRect(134, 0, 532, 557) << QRect(0, 0, 800, 900) << QRect(134, 561, 236, 339);
        QTest::newRow("too small for both") << QRect(134, 0, 532, 557) << QRect(0, 0, 800, 600)
                                            << QRect(610, 0, 190, 470);
    }
    void besideTheMainWindow()
    {
        QFETCH(QRect, main);
        QFETCH(QRect, area);
        QFETCH(QRect, frame);
        const QRect placed = placement::beside(main, QSize(236, 470), QSize(190, 300), area);
        QCOMPARE(placed, frame);
        QVERIFY(area.contains(placed));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "test_placement.moc"
