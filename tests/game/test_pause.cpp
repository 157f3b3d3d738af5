// Pause: the clock and the history's sampling stop, the board is covered;
// a key or a click goes on; minimising pauses; the record stays the same.
#include "board/BoardCursor.h"
#include "game/Pause.h"
#include "game/PauseCover.h"
#include "play/OptionsDialog.h"
#include "support/GameDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using fixture::Game;

namespace {
QByteArray saved(Game &g)
{
    g.form->SaveLastGame();
    QFile f(g.dir.filePath("lastgame.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool covered(const Game &g)
{
    const PauseCover *cover = g.form->pause().cover();
    return cover->isVisibleTo(g.form) && cover->geometry() == g.form->Panel1->geometry();
}
} // namespace

class TestPause : public QObject {
    Q_OBJECT
private slots:
    void pauseStopsClockAndSamplingAndHidesBoard()
    {
        Game g;
        g.deal();
        g.form->PlaceDigit(g.cell(1, 2), g.solutionAt(1, 2));
        g.form->pause().PauseClick();
        QVERIFY(g.play->paused());
        QVERIFY(!g.form->TimeLabel1->timer()->isActive());
        QVERIFY(!g.form->sd991->isEnabled());
        QVERIFY(covered(g));
        for (QToolButton *b : {g.form->ToolButton9, g.form->tbsolve, g.form->tbresign, g.form->tbback})
            QVERIFY(!b->isEnabled());
        const int ms = g.form->TimeLabel1->MS();
        QTest::qWait(350);
        QCOMPARE(g.form->TimeLabel1->MS(), ms);
        QCOMPARE(g.steps->memostep.size(), 2); // the move, recorded as the pause began

        g.form->pause().ResumeClick();
        QVERIFY(!g.play->paused());
        QVERIFY(g.form->sd991->isEnabled());
        QVERIFY(g.form->tbsolve->isEnabled());
        QTRY_VERIFY(g.form->TimeLabel1->MS() > ms);
        QCOMPARE(g.steps->memostep.size(), 2);
    }

    void goesOnByKeyCoverOrClock()
    {
        Game g;
        g.form->show();
        QVERIFY(QTest::qWaitForWindowActive(g.form));
        g.deal();
        QTest::keyClick(g.form, Qt::Key_P);
        QVERIFY(g.play->paused());
        QTest::keyClick(g.form, Qt::Key_A);
        QVERIFY(!g.play->paused());
        QTest::keyClick(g.form, Qt::Key_Pause);
        QVERIFY(g.play->paused());
        QTest::mouseClick(g.form->pause().cover(), Qt::LeftButton);
        QVERIFY(!g.play->paused());
        QTest::mouseClick(g.form->TimeLabel1, Qt::LeftButton);
        QVERIFY(g.play->paused());
        QTest::mouseClick(g.form->TimeLabel1, Qt::LeftButton);
        QVERIFY(!g.play->paused());
        g.form->Pause1->trigger();
        QVERIFY(g.play->paused());
        // A new game ends the pause.
        g.form->NewGameClick(0);
        QVERIFY(!g.play->paused());
        QVERIFY(g.form->sd991->isEnabled());
    }

    // Going on, by a key or a click, gives the focus and the cursor back:
    // the next Space places a digit.
    void keyboardPlayGoesOn_data()
    {
        QTest::addColumn<bool>("byClick");
        QTest::newRow("key") << false;
        QTest::newRow("click") << true;
    }
    void keyboardPlayGoesOn()
    {
        QFETCH(bool, byClick);
        Game g;
        g.form->show();
        QVERIFY(QTest::qWaitForWindowActive(g.form));
        g.deal();
        QTest::keyClick(g.form, Qt::Key_Right);
        QTest::keyClick(g.form->sd991, Qt::Key_Right);
        QTest::keyClick(g.form->sd991, Qt::Key_P);
        QVERIFY(g.play->paused());
        if (byClick)
            QTest::mouseClick(g.form->pause().cover(), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
        QVERIFY(!g.play->paused());
        QCOMPARE(QApplication::focusWidget(), g.form->sd991);
        QVERIFY(g.form->sd991->cursor()->isVisible());
        QCOMPARE(g.form->sd991->cursor()->cell(), (boardkeys::Cell{1, 2}));
        QTest::keyClick(g.form->sd991, Qt::Key_Space);
        QCOMPARE(g.cell(1, 2)->state, int(stBigNumber));
    }

    void onlyWhileAGameRuns()
    {
        Game g;
        g.form->pause().PauseClick();
        QVERIFY(!g.play->paused());
        g.deal();
        g.form->TimeLabel1->setTimerenabled(false); // as the finish leaves it
        g.form->pause().PauseClick();
        QVERIFY(!g.play->paused());
    }

    void minimisingPausesUnlessTurnedOff()
    {
        Game g;
        g.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.form));
        g.deal();
        g.form->showMinimized();
        QTRY_VERIFY(g.play->paused());
        g.form->showNormal();
        g.form->pause().ResumeClick();
        g.program->windows().frmOptions->box(3)->setChecked(false);
        g.form->showMinimized();
        QTest::qWait(50);
        QVERIFY(!g.play->paused());
    }

    void recordUnchangedByPause()
    {
        Game g;
        g.deal();
        g.form->PlaceDigit(g.cell(1, 2), g.solutionAt(1, 2));
        QTRY_COMPARE(g.steps->memostep.size(), 2);
        const QByteArray before = saved(g);
        g.form->pause().PauseClick();
        QCOMPARE(saved(g), before);
        g.form->pause().ResumeClick();
        QCOMPARE(saved(g), before);
    }
};

QTEST_MAIN(TestPause)
#include "test_pause.moc"
