#pragma once

#include "board/BoardOverlay.h"
#include "guide/NextStep.h"

#include <QDialog>
#include <QPointer>

class GameHost;
class PlayModel;
class QPushButton;
class QTextEdit;
class TPICSD33;

// The frames of the cells a Next Step explanation points at, drawn over
// the board, and during a walk the open cells' candidates as they stand at
// its step. It leaves the cells alone, so the board looks as before once
// it is cleared.
class StepMarks : public BoardOverlay {
public:
    explicit StepMarks(TPICSD33 *board);
    const nextstep::Marks &marks() const { return marks_; }
    void setMarks(const nextstep::Marks &marks, const BoardOverlay::Candidates &candidates = {});
    // The frame colours for the board's colours now.
    nextstep::MarkColors colors() const;
    // Pixels of a frame, inside the cell's edge.
    static constexpr int kBand = 3;

protected:
    void beforePaint() override;

private:
    std::vector<Frame> framesIn(const nextstep::MarkColors &colors) const;

    nextstep::Marks marks_{};
    nextstep::MarkColors painted_{};
};

// "Next Step": the next logical step from the main board in words, its
// cells marked on the board, and Apply to make its placement. A small
// window beside the main one, open while the player goes on playing: it
// follows the board's changes, explaining again whenever a digit or the
// puzzle changes.
class NextStepWindow : public QDialog {
    Q_OBJECT
public:
    // play counts each applied step as a hint.
    NextStepWindow(GameHost &host, PlayModel &play);

    // F4: the board as it is now explained; a closed window opens beside
    // the main one first.
    void ExplainClick();
    // Explains again when the placed digits or the solution have changed
    // since the last explanation; runs after every change of the board
    // while the window is open.
    void Follow();
    // Places the digit the explanation ends in as the player's own move.
    void ApplyClick();

    // Back and Next: the step shown on the board, the placement last.
    void BackClick() { showStep(current_ - 1); }
    void NextClick() { showStep(current_ + 1); }
    int currentStep() const { return current_; }

    const grader::Explanation &explanation() const { return shown_; }
    StepMarks *stepMarks() const { return stepMarks_; }

    QTextEdit *memo1 = nullptr;
    QPushButton *BackButton = nullptr;
    QPushButton *NextButton = nullptr;
    QPushButton *ApplyButton = nullptr;
    QPushButton *CloseButton = nullptr;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    // Opens beside the main window, not over it (its board and digit pad)
    // wherever the screen has room.
    void placeBeside();
    nextstep::Position position();
    void explain();
    // Frames only that step's cells and greys the others' words.
    void showStep(int step);
    // Scrolls the text so that the current step is in view.
    void scrollToStep();

    GameHost &host_;
    PlayModel &play_;
    TPICSD33 &board_;
    QPointer<StepMarks> stepMarks_;
    nextstep::Position shownAt_;
    grader::Explanation shown_;
    int current_ = 0;
};
