#include "exchange/PuzzleSheet.h"

#include "base/AtomicTextFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace sheet {

namespace {

// Columns and rows of boards on a page of n boards.
QSize grid(int n)
{
    switch (n) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 4: return {2, 2};
    case 6: return {2, 3};
    default: return {3, 4}; // the solutions page
    }
}

QChar charAt(const QString &s, int i) { return i < s.size() ? s.at(i) : QChar(); }

// One board with its caption in slot; digits from text (solutions: every
// digit, givens: bold).
void drawBoard(QPainter &p, const QRectF &slot, const Puzzle &puzzle, bool solution)
{
    const qreal captionHeight = slot.height() * 0.08;
    const qreal side = std::min(slot.width(), slot.height() - captionHeight) * 0.92;
    const QRectF board(slot.center().x() - side / 2, slot.top() + captionHeight, side, side);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(captionHeight * 0.5)));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(board.left(), slot.top(), side, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, puzzle.caption);

    const qreal cell = side / 9;
    font.setPixelSize(std::max(1, static_cast<int>(cell * 0.6)));
    for (int i = 0; i < 81; ++i) {
        const QChar given = charAt(puzzle.givens, i);
        const bool isGiven = given >= QLatin1Char('1') && given <= QLatin1Char('9');
        const QChar shown = solution ? charAt(puzzle.solution, i) : given;
        if (!(shown >= QLatin1Char('1') && shown <= QLatin1Char('9')) || (!solution && !isGiven))
            continue;
        font.setBold(!solution || isGiven);
        p.setFont(font);
        const QRectF r(board.left() + (i % 9) * cell, board.top() + (i / 9) * cell, cell, cell);
        p.drawText(r, Qt::AlignCenter, QString(shown));
    }
    for (int k = 0; k <= 9; ++k) {
        p.setPen(QPen(Qt::black, k % 3 == 0 ? side / 150 : side / 500));
        p.drawLine(QPointF(board.left() + k * cell, board.top()), QPointF(board.left() + k * cell, board.bottom()));
        p.drawLine(QPointF(board.left(), board.top() + k * cell), QPointF(board.right(), board.top() + k * cell));
    }
}

void drawPage(QPainter &p, const QRectF &page, const QList<Puzzle> &puzzles, qsizetype first, int n, bool solution)
{
    const QSize g = grid(n);
    const qreal w = page.width() / g.width(), h = page.height() / g.height();
    for (int k = 0; k < n && first + k < puzzles.size(); ++k) {
        const QRectF slot(page.left() + (k % g.width()) * w, page.top() + (k / g.width()) * h, w, h);
        drawBoard(p, slot.adjusted(w * 0.03, h * 0.02, -w * 0.03, -h * 0.02), puzzles[first + k], solution);
    }
}

} // namespace

int pageCount(qsizetype puzzles, const Layout &layout)
{
    if (puzzles <= 0)
        return 0;
    const int perPage = std::max(1, layout.perPage);
    return static_cast<int>((puzzles + perPage - 1) / perPage) + (layout.solutions ? 1 : 0);
}

void paint(QPagedPaintDevice &device, const QList<Puzzle> &puzzles, const Layout &layout)
{
    QPainter p(&device);
    const QRectF page(0, 0, device.width(), device.height());
    const int perPage = std::max(1, layout.perPage);
    bool firstPage = true;
    auto next = [&] {
        if (!firstPage)
            device.newPage();
        firstPage = false;
    };
    for (qsizetype first = 0; first < puzzles.size(); first += perPage) {
        next();
        drawPage(p, page, puzzles, first, perPage, false);
    }
    if (layout.solutions && !puzzles.isEmpty()) {
        next();
        drawPage(p, page, puzzles, 0, kMaxPuzzles, true);
    }
}

bool writePdf(const QString &path, const QList<Puzzle> &puzzles, const Layout &layout, QString *error)
{
    // Drawn in memory first: the PDF writer reports no failure of its
    // device, so the file is written by the checked writer, and only a PDF
    // that got as far as its trailer.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Sudoku Nodala puzzles"));
        paint(pdf, puzzles, layout);
    }
    if (!bytes.right(16).trimmed().endsWith("%%EOF")) {
        if (error)
            *error = QStringLiteral("the PDF could not be made");
        return false;
    }
    return atomictext::writeBytes(path, bytes, error, {.removeLeftovers = false});
}

} // namespace sheet
