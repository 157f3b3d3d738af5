#pragma once

#include "board/BoardKeys.h"
#include "board/BoardOverlay.h"

#include <array>
#include <optional>

class TPICSD33;
class TPicNode;

// The keyboard cursor of a board: the cell the keys act on, drawn as a
// frame of its own over the board (black between two white lines, so it
// reads on every cell colour and never looks like the pointer's single
// line). It covers the board and takes no input. It shows from the first
// cursor key or a Tab onto the board, and goes again when the mouse
// presses on the board, the focus is tabbed away or the board is disabled.
class BoardCursor : public BoardOverlay {
    Q_OBJECT
public:
    explicit BoardCursor(TPICSD33 *board);

    bool active() const { return active_; }
    boardkeys::Cell cell() const { return at_; }
    TPicNode *cellWidget() const;
    // Where the cursor comes back: the cell the pointer last touched, or
    // where it was, (1, 1) at first.
    boardkeys::Cell start() const { return touched_.value_or(at_); }

    // A cursor key: an arrow shows a hidden cursor where it starts, without
    // moving it; Home, End, Page Up and Page Down jump from there.
    void moveBy(boardkeys::Move move);
    void showAt(boardkeys::Cell cell);
    void hideCursor();

    // Pixels of the frame, inside the cell's edge.
    static constexpr int kBand = 4;

signals:
    // The cursor appeared on a cell or moved to another.
    void moved(boardkeys::Cell cell);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sync();
    // Tells an assistive client which cell is focused and what changed.
    void announceFocus();
    void announceChanges();

    boardkeys::Cell at_;
    std::optional<boardkeys::Cell> touched_;
    bool active_ = false;
    std::array<QString, 81> spoken_;
};
