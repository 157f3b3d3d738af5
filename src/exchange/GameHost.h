#pragma once

#include <QString>

class TPICSD33;

// The main window as the exchange dialogs see it: its board, which they
// read and fill, and the hand-over of a new puzzle. The main window
// implements it; the dialogs never need the rest of the game.
class GameHost {
public:
    virtual ~GameHost() = default;
    // The playing board sd991.
    virtual TPICSD33 *MainBoard() const = 0;
    // Starts a game on the puzzle of source: its stBigNumber cells become
    // the givens, its other cells open cells with their values. solution is
    // the puzzle's solution string, or empty when none is known.
    virtual void PlayPuzzle(const TPICSD33 &source, const QString &solution) = 0;
};
