#pragma once

#include "board/BoardKeys.h"

#include <QObject>
#include <QPointer>

#include <optional>

class PauseCover;
class PlayModel;
class TForm1;
class QWidget;
struct Windows;

// Pause: the clock and the history's sampling stop and the board is hidden;
// any key or a click on the cover goes on. The paused flag is the play
// model's; this keeps what going on must give back.
class PauseControl : public QObject {
public:
    PauseControl(TForm1 &form, PlayModel &play, const Windows &windows);

    void PauseClick(); // pauses a running game, or goes on when paused
    void ResumeClick();
    // Keys while paused go on; P and Pause pause. True when the key was used.
    bool PauseKey(int key);
    // Takes the cover away and gives the buttons back; the clock stays.
    void endPause();
    PauseCover *cover() const { return cover_; }

private:
    TForm1 &form_;
    PlayModel &play_;
    const Windows &w_;
    PauseCover *cover_ = nullptr;
    // Where the focus and the board's cursor were when the pause began.
    QPointer<QWidget> focusBefore_;
    std::optional<boardkeys::Cell> cursorBefore_;
};
