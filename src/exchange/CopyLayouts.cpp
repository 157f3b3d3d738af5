#include "exchange/CopyLayouts.h"

namespace copylayouts {

namespace {

// The digit of a given or of a player's digit, else blank. An open cell's
// single candidate is a pencil mark, not a digit of the puzzle.
QString digitOr(const CellData &cell, QChar blank)
{
    const bool digit = cell.state != stCandidates && cell.value.size() == 1;
    return digit ? cell.value : QString(blank);
}

// The framed layouts: fields of `width` characters, boxes split by "|",
// bands by separator lines.
QStringList framed(const CellGrid &board, int width, QString (*text)(const CellData &))
{
    const QString dashes(3 * width, QLatin1Char('-'));
    const QString frame = QLatin1Char('*') + QString(9 * width + 2, QLatin1Char('-')) + QLatin1Char('*');
    const QString separator = QLatin1Char('|') + dashes + QLatin1Char('+') + dashes + QLatin1Char('+') + dashes
        + QLatin1Char('|');
    QStringList lines{frame};
    for (int r = 1; r <= 9; ++r) {
        QString line(QLatin1Char('|'));
        for (int c = 1; c <= 9; ++c) {
            line += text(board.at(r, c)).rightJustified(width);
            if (c % 3 == 0)
                line += QLatin1Char('|');
        }
        lines << line;
        if (r == 3 || r == 6)
            lines << separator;
    }
    lines << frame;
    return lines;
}

} // namespace

QString layoutName(CopyLayout layout)
{
    switch (layout) {
    case WithCandidates:
        return QStringLiteral("With Candidates");
    case NoCandidate:
        return QStringLiteral("No Candidate");
    case NineByNine:
        return QStringLiteral("9*9");
    case OneBy81:
        return QStringLiteral("1*81");
    }
    return {};
}

QStringList withCandidatesLines(const CellGrid &board)
{
    return framed(board, 10, [](const CellData &cell) {
        return cell.value.isEmpty() ? QStringLiteral(".") : cell.value;
    });
}

QStringList noCandidateLines(const CellGrid &board)
{
    return framed(board, 5, [](const CellData &cell) { return digitOr(cell, QLatin1Char('.')); });
}

QStringList nineByNineLines(const CellGrid &board)
{
    QStringList lines;
    for (int r = 1; r <= 9; ++r) {
        QString line;
        for (int c = 1; c <= 9; ++c)
            line += digitOr(board.at(r, c), QLatin1Char('*'));
        lines << line;
    }
    return lines;
}

QStringList oneBy81Lines(const CellGrid &board)
{
    QString line;
    for (int i = 0; i < 81; ++i)
        line += digitOr(board[i], QLatin1Char('0'));
    return {line};
}

QStringList layoutLines(CopyLayout layout, const CellGrid &board)
{
    switch (layout) {
    case WithCandidates:
        return withCandidatesLines(board);
    case NoCandidate:
        return noCandidateLines(board);
    case NineByNine:
        return nineByNineLines(board);
    case OneBy81:
        return oneBy81Lines(board);
    }
    return {};
}

} // namespace copylayouts
