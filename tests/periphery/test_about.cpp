#include "periphery/Picture.h"
#include "periphery/UAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        Tfrm_about box;
        box.show();
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(393, 139));
        QCOMPARE(box.Panel1->geometry(), QRect(0, 0, 393, 103));
        QCOMPARE(box.Image1->geometry(), QRect(0, 2, 106, 98));
        QCOMPARE(box.Image2->geometry(), QRect(111, 72, 278, 28));
        QVERIFY(box.Image1->isValid() && box.Image2->isValid());
        QCOMPARE(box.Label1->text(), QStringLiteral("SudokuNodala v3.0"));
        QCOMPARE(box.Label1->pos(), QPoint(114, 25));
        QCOMPARE(box.Label1->font().pixelSize(), 19);
        QCOMPARE(box.Button1->text(), QStringLiteral("Close"));
        QCOMPARE(box.Button1->geometry(), QRect(312, 109, 75, 25));
        QVERIFY(!(box.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
    }

    void closeEndsTheModalBox()
    {
        QPointer<QWidget> shown;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = dynamic_cast<Tfrm_about *>(w); box && box->isVisible()) {
                    shown = box;
                    modal = QApplication::activeModalWidget() == box;
                    QTest::mouseClick(box->Button1, Qt::LeftButton);
                }
        });
        Tfrm_about::ShowModal(nullptr);
        QVERIFY(modal);
        QVERIFY(shown.isNull()); // destroyed once closed
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
