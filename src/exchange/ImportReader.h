#pragma once

#include "board/CellData.h"

#include <QString>
#include <QStringView>

// The import dialog's reader: free text in any of the four layouts the copy
// dialog writes (and frames of other shapes) to the 81 cells of a board.
namespace importreader {

// The message shown when no reading rule applies.
inline constexpr char16_t kInvalidFormat[] = u"Invalid format.";

struct ImportResult {
    // The reading rule used, 1..4; 0 when no rule applies (nothing to load).
    int rule = 0;
    // With rule 1..4: every cell is stBigNumber with one digit or
    // stCandidates with its candidate text (possibly empty). Untouched
    // (fresh cells) with rule 0.
    OwnedGrid cells;

    bool valid() const { return rule != 0; }
    // Writes state and value of every cell onto board; nothing else.
    void applyTo(CellGrid &board) const;
};

// Rules, the first that applies wins:
//  1. the whole text is exactly 81 characters: the text trimmed of blank
//     space (codes <= 32) at both ends is the puzzle string;
//  2. without its blank space the text has exactly 81 characters: those;
//  4. the text holds 82 or more digits "1".."9": a candidate grid, its rows
//     the lines holding a digit or ".", its cells their runs of digits and
//     dots: one digit a given, any other run a candidate cell with the
//     run's digits in the order written, each once (dots and repeats
//     dropped, so the value is one the game record accepts);
//  3. the text holds exactly 81 digits and dots: those ("0" is skipped).
// In a puzzle string "1".."9" is a given and anything else (or a position
// past its end) a blank; blanks get the candidates the givens leave them.
// Linear in the length of the text, whatever it holds.
ImportResult readImport(QStringView text);

// text as the dialog's box holds it once typed or pasted there: every line
// end (CR LF, LF, CR, U+2028, U+2029) one LF and a no-break space a space.
// Readers of files read through this, so they count as the dialog does.
QString asTextBoxText(QStringView text);

} // namespace importreader
