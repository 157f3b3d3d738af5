#pragma once

// Boards for the exchange tests: random boards of digits and candidate
// lists, and the board the import reader is expected to give back.
#include "board/BoardLogic.h"
#include "board/CellData.h"

#include <QString>

#include <random>
#include <utility>

namespace exchangetest {

// About a third digits (clashes allowed), some empty cells, the rest 2..9
// candidates in any order. Only raw mt19937 output is used, so every
// standard library draws the same boards.
inline OwnedGrid randomBoard(std::mt19937 &rng)
{
    OwnedGrid board;
    for (int i = 0; i < 81; ++i) {
        CellData &cell = board.at(i / 9 + 1, i % 9 + 1);
        const unsigned kind = rng() % 10;
        cell.state = kind < 3 ? stBigNumber : stCandidates;
        cell.value.clear();
        if (kind < 3) {
            cell.value = QChar(static_cast<char16_t>(u'1' + rng() % 9));
        } else if (kind > 3) {
            QString digits = QStringLiteral("123456789");
            const int keep = 2 + static_cast<int>(rng() % 8);
            for (int k = 0; k < keep; ++k) { // the first `keep` of a shuffle
                const int pick = k + static_cast<int>(rng() % static_cast<unsigned>(9 - k));
                std::swap(digits[k], digits[pick]);
            }
            cell.value = digits.left(keep);
        }
    }
    return board;
}

// What reading a written board gives back: one-character values become
// entered numbers; other cells become candidate cells, their candidates
// computed from those numbers or, for a candidate grid, kept as written.
inline OwnedGrid expectedRead(const CellGrid &written, bool keepCandidates)
{
    OwnedGrid out;
    for (int i = 0; i < 81; ++i) {
        CellData &cell = out.at(i / 9 + 1, i % 9 + 1);
        const bool digit = written[i].value.size() == 1;
        cell.state = digit ? stBigNumber : stCandidates;
        cell.value = digit || keepCandidates ? written[i].value : QString();
    }
    if (!keepCandidates)
        for (int i = 0; i < 81; ++i)
            if (out.grid()[i].state == stCandidates)
                out.grid()[i].value = boardlogic::candidatesOf(out.grid(), i / 9 + 1, i % 9 + 1);
    return out;
}

} // namespace exchangetest
