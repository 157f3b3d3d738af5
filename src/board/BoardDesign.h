#pragma once

#include "board/PICSD33.h"
#include "base/TColor.h"

// The values a window stores for a board it owns, before its settings or
// the player's choices are read. The boards differ in their big numbers'
// size, the candidates' colour and whether a placed digit strikes itself
// from its peers' candidates.
struct BoardDesign {
    int bigNumberSize;
    TColor candidateColor;
    bool autoUpdate;
};

inline constexpr BoardDesign kMainBoardDesign{25, 3561082, true};
inline constexpr BoardDesign kNewBoardDesign{18, 111666, false};

inline void applyDesign(TPICSD33 &board, const BoardDesign &design)
{
    board.UNFoucsColor1 = builtin::Box1;
    board.UNFoucsColor2 = builtin::Box2;
    board.FoucsColor1 = builtin::Focus1;
    board.FoucsColor2 = builtin::Focus2;
    board.FONTSize1 = 25;
    board.FONTSize2 = design.bigNumberSize;
    board.FONTSize3 = 10;
    board.FONTColor1 = builtin::Fixed;
    board.FONTColor2 = builtin::BigNumber;
    board.FONTColor3 = design.candidateColor;
    board.nd = 0;
    board.errorcolor = builtin::Error;
    board.highcolor = builtin::Highlight;
    board.autotranzt = design.autoUpdate;
}
