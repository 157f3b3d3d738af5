#pragma once

#include <QList>
#include <QString>

#include <array>

class QPagedPaintDevice;

// Printed sheets of puzzles: several boards to a page, the givens only,
// and a page of their solutions after them when asked.
namespace sheet {

struct Puzzle {
    QString givens;   // 81 characters, "1".."9" a given, anything else a blank
    QString solution; // 81 digits, or empty
    QString caption;  // printed above the board
};

inline constexpr std::array<int, 4> kPerPage{1, 2, 4, 6};
inline constexpr int kMaxPuzzles = 12;

struct Layout {
    int perPage = 4;    // one of kPerPage
    bool solutions = true;
};

// The pages the puzzles take: their own pages, and one more for the
// solutions (all of them fit on one).
int pageCount(qsizetype puzzles, const Layout &layout);

// Draws the sheet on device, page by page.
void paint(QPagedPaintDevice &device, const QList<Puzzle> &puzzles, const Layout &layout);

// Writes the sheet as a PDF file (A4), whole and atomically; false and the
// reason on failure, with no file left under path (an earlier one kept).
bool writePdf(const QString &path, const QList<Puzzle> &puzzles, const Layout &layout, QString *error);

} // namespace sheet
