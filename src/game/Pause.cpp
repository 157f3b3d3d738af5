#include "game/Pause.h"

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

PauseControl::PauseControl(TForm1 &form, PlayModel &play, const Windows &windows)
    : QObject(&form), form_(form), play_(play), w_(windows)
{
    cover_ = new PauseCover(form.Panel1, form.TimeLabel1);
    seams::connectGuarded(cover_, &PauseCover::clicked, this, [this] { ResumeClick(); });
    seams::connectGuarded(cover_, &PauseCover::clockClicked, this, [this] { PauseClick(); });
    seams::connectGuarded(cover_, &PauseCover::minimised, this, [this] {
        if (play_.options().pauseMinimised && !play_.paused())
            PauseClick();
    });
    connect(&play_, &PlayModel::pausedChanged, cover_, [this](bool on) { on ? cover_->cover() : cover_->hide(); });
}

void PauseControl::PauseClick()
{
    if (play_.paused()) {
        ResumeClick();
        return;
    }
    if (!form_.gameRunning())
        return;
    form_.recordMove();
    form_.TimeLabel1->setTimerenabled(false);
    // Disabling the board takes its cursor and moves its focus on; going
    // on gives both back.
    TPICSD33 *board = form_.sd991;
    focusBefore_ = QApplication::focusWidget();
    cursorBefore_.reset();
    if (board->cursor()->active())
        cursorBefore_ = board->cursor()->cell();
    board->setEnabled(false);
    // Nothing may change the hidden board meanwhile.
    for (QToolButton *b : {form_.ToolButton9, form_.tbresign, form_.tbsolve, form_.tbfirst, form_.tbback,
                           form_.tbnext, form_.tblast})
        b->setEnabled(false);
    w_.frmExplain->setEnabled(false);
    play_.setPaused(true);
}

void PauseControl::ResumeClick()
{
    if (!play_.paused())
        return;
    endPause();
    form_.sd991->setEnabled(true);
    if (focusBefore_)
        focusBefore_->setFocus(Qt::OtherFocusReason);
    else if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == &form_)
        focus->clearFocus();
    if (cursorBefore_)
        form_.sd991->cursor()->showAt(*cursorBefore_);
    form_.TimeLabel1->setTimerenabled(true);
}

void PauseControl::endPause()
{
    if (!play_.paused())
        return;
    play_.setPaused(false);
    for (QToolButton *b : {form_.ToolButton9, form_.tbresign, form_.tbsolve})
        b->setEnabled(true);
    w_.frmExplain->setEnabled(true);
    form_.UpdateStepButtons();
}

bool PauseControl::PauseKey(int key)
{
    if (play_.paused()) {
        ResumeClick();
        return true;
    }
    if (keytable::commandFor(key, {}).action == keytable::Action::Pause && form_.gameRunning()) {
        PauseClick();
        return true;
    }
    return false;
}
