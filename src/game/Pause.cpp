// Pause: the clock and the history's sampling stop and the board is hidden;
// any key or a click on the cover goes on.
#include "board/BoardCursor.h"
#include "game/PauseCover.h"
#include "guide/NextStepWindow.h"
#include "play/PlayModel.h"
#include "game/Windows.h"
#include "game/main.h"
#include "periphery/Seams.h"
#include "play/KeyTable.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>

void TForm1::buildPause()
{
    pauseCover_ = new PauseCover(Panel1, TimeLabel1);
    seams::connectGuarded(pauseCover_, &PauseCover::clicked, this, [this] { ResumeClick(); });
    seams::connectGuarded(pauseCover_, &PauseCover::clockClicked, this, [this] { PauseClick(); });
    seams::connectGuarded(pauseCover_, &PauseCover::minimised, this, [this] {
        if (play_.options().pauseMinimised && !paused())
            PauseClick();
    });
    connect(&play_, &PlayModel::pausedChanged, pauseCover_, [this](bool on) { on ? pauseCover_->cover() : pauseCover_->hide(); });
}

bool TForm1::paused() const { return play_.paused(); }

bool TForm1::gameRunning() const { return puzzleOnBoard_ && TimeLabel1->timerenabled(); }

void TForm1::PauseClick()
{
    if (paused()) {
        ResumeClick();
        return;
    }
    if (!gameRunning())
        return;
    recordMove();
    TimeLabel1->setTimerenabled(false);
    // Disabling the board takes its cursor and moves its focus on; going
    // on gives both back.
    focusBeforePause_ = QApplication::focusWidget();
    cursorBeforePause_.reset();
    if (sd991->cursor()->active())
        cursorBeforePause_ = sd991->cursor()->cell();
    sd991->setEnabled(false);
    // Nothing may change the hidden board meanwhile.
    for (QToolButton *b : {ToolButton9, tbresign, tbsolve, tbfirst, tbback, tbnext, tblast})
        b->setEnabled(false);
    w_.frmExplain->setEnabled(false);
    play_.setPaused(true);
}

void TForm1::ResumeClick()
{
    if (!paused())
        return;
    endPause();
    sd991->setEnabled(true);
    if (focusBeforePause_)
        focusBeforePause_->setFocus(Qt::OtherFocusReason);
    else if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == this)
        focus->clearFocus();
    if (cursorBeforePause_)
        sd991->cursor()->showAt(*cursorBeforePause_);
    TimeLabel1->setTimerenabled(true);
}

void TForm1::endPause()
{
    if (!paused())
        return;
    play_.setPaused(false);
    for (QToolButton *b : {ToolButton9, tbresign, tbsolve})
        b->setEnabled(true);
    w_.frmExplain->setEnabled(true);
    UpdateStepButtons();
}

bool TForm1::PauseKey(int key)
{
    if (paused()) {
        ResumeClick();
        return true;
    }
    if (keytable::commandFor(key, {}).action == keytable::Action::Pause && gameRunning()) {
        PauseClick();
        return true;
    }
    return false;
}
