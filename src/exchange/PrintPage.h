#pragma once

#include "board/CellData.h"

#include <QString>
#include <QStringList>

// The printable board: a fixed HTML template whose 81 marker lines are
// replaced by the cells of the board.
namespace printpage {

// The page's file name, written into the working directory.
inline constexpr char16_t kFileName[] = u"print_temp.htm";

// The template (Memo_model): 201 lines of HTML 4.01 Transitional in
// iso-8859-1. Its marker lines, "node" + row digit + column digit and a
// sample cell, are listed box by box; the first is line 46.
const QStringList &Memo_model();

// text with &, <, >, " and ' written as entities, and any character that
// is not printable Latin-1 as a numeric reference, so a cell's value never
// adds markup or breaks the page's lines. Digits pass unchanged.
QString escapeHtml(const QString &text);

// The table cell of one board cell: black large for stFixed, blue large
// for stBigNumber, small top-left candidates for any other state.
QString cellMarkup(int state, const QString &value);

// The template with every marker line replaced by its cell's markup.
QStringList pageLines(const CellGrid &board);
// The page as written: every line ended by CR LF.
QString pageText(const CellGrid &board);

// Writes "print_temp.htm" into directory, whole and atomically, as
// single-byte Latin-1, always as a fresh regular file: a link in its place
// is removed first, never written through; a directory or special file
// there is left alone. Returns an empty string on success, else the reason.
QString writePage(const QString &directory, const CellGrid &board);

} // namespace printpage
