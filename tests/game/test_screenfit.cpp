// Every window on a screen smaller than some of them: 1920 x 1080 at twice
// the scale leaves 960 x 540, less than How to Play's 600 pixels of height.
#include "appearance/UfrmAppearance.h"
#include "exchange/Ufrm_new.h"
#include "exchange/UfrmImport.h"
#include "exchange/Ufrmcopy.h"
#include "exchange/Ufrmdas.h"
#include "play/BestTimesDialog.h"
#include "guide/HowToPlayWindow.h"
#include "play/OptionsDialog.h"
#include "exchange/PrintSheetsDialog.h"
#include "support/GameDriver.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QScreen>
#include <QTest>

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFitsTheScreen()
    {
        fixture::Game g;
        const Windows &w = g.program->windows();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(960, 540));
        const QList<QWidget *> windows{w.frmHowToPlay, w.frmBestTimes, w.frmOptions, w.frmPrintSheets,
                                       w.frmAppearance, w.frmImport,   w.frm_new,   w.frmcopy, w.Frmdas};
        for (QWidget *window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QRect area = window->screen()->availableGeometry(), frame = window->frameGeometry();
            window->hide();
            QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                                                          .arg(window->objectName())
                                                          .arg(frame.x())
                                                          .arg(frame.y())
                                                          .arg(frame.width())
                                                          .arg(frame.height())));
        }
        // How to Play's Close is on the screen.
        const auto *close = w.frmHowToPlay->findChild<QDialogButtonBox *>();
        QVERIFY(w.frmHowToPlay->rect().contains(close->geometry()));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NODALA_TEST_DATA "/small_screen.json");
    QApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screenfit.moc"
