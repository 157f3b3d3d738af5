#include "exchange/ImportReader.h"

#include "board/BoardLogic.h"

namespace importreader {

namespace {

inline bool isBlank(QChar ch) { return ch.unicode() <= 32; }
inline bool isDigit(QChar ch) { return ch.unicode() >= u'1' && ch.unicode() <= u'9'; }
inline bool isCellChar(QChar ch) { return isDigit(ch) || ch.unicode() == u'.'; }
inline bool isLineBreak(QChar ch) { return ch.unicode() == u'\n' || ch.unicode() == u'\r'; }

QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0, end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin);
}

// Givens from the digits of the string; every other cell open with the
// candidates the givens leave it.
void readPuzzleString(QStringView puzzle, CellGrid &g)
{
    for (int i = 0; i < 81; ++i) {
        CellData &cell = g[i];
        if (i < puzzle.size() && isDigit(puzzle[i])) {
            cell.state = stBigNumber;
            cell.value = puzzle[i];
        } else {
            cell.state = stCandidates;
            cell.value.clear();
        }
    }
    boardlogic::fillCandidates(g, boardlogic::Open::All);
}

// A candidate group as the board and the game record keep it: its digits
// in the order written, each once. A dot names no candidate, and without
// repeats no cell holds more than nine digits, so a game started from the
// grid is saved in a record that reads back.
QString candidateText(QStringView run)
{
    QString out;
    bool seen[10] = {};
    for (const QChar ch : run)
        if (isDigit(ch) && !seen[ch.unicode() - u'0']) {
            seen[ch.unicode() - u'0'] = true;
            out.append(ch);
        }
    return out;
}

// Rows are the lines holding a digit or a dot; cells are their runs of
// digits and dots. Line breaks end runs like any other character, and lines
// without a run are skipped, so CR LF, LF and CR need no telling apart.
void readCandidateGrid(QStringView text, CellGrid &g)
{
    for (int i = 0; i < 81; ++i) {
        g[i].state = stCandidates;
        g[i].value.clear();
    }
    int row = 0, col = 0; // row 0: no run seen yet on the current line
    const qsizetype n = text.size();
    for (qsizetype p = 0; p < n;) {
        const QChar ch = text[p];
        if (isLineBreak(ch)) {
            if (row == 9) // the rest of the text cannot hold a cell
                return;
            col = 0;
            ++p;
            continue;
        }
        if (!isCellChar(ch)) {
            ++p;
            continue;
        }
        const qsizetype start = p;
        while (p < n && isCellChar(text[p]))
            ++p;
        if (col == 0)
            ++row;
        if (++col > 9)
            continue;
        const QStringView run = text.mid(start, p - start);
        CellData &cell = g.at(row, col);
        if (run.size() == 1 && isDigit(run[0])) {
            cell.state = stBigNumber;
            cell.value = run.toString();
        } else {
            cell.value = candidateText(run);
        }
    }
}

} // namespace

void ImportResult::applyTo(CellGrid &board) const
{
    for (int i = 0; i < 81; ++i) {
        board[i].state = cells.grid()[i].state;
        board[i].value = cells.grid()[i].value;
    }
}

ImportResult readImport(QStringView text)
{
    ImportResult result;
    CellGrid &g = result.cells.grid();
    if (text.size() == 81) {
        result.rule = 1;
        readPuzzleString(trimBlanks(text), g);
        return result;
    }
    qsizetype solid = 0, digits = 0, dots = 0;
    for (QChar ch : text) {
        if (!isBlank(ch))
            ++solid;
        if (isDigit(ch))
            ++digits;
        else if (ch.unicode() == u'.')
            ++dots;
    }
    if (solid == 81) {
        QString puzzle;
        puzzle.reserve(81);
        for (QChar ch : text)
            if (!isBlank(ch))
                puzzle.append(ch);
        result.rule = 2;
        readPuzzleString(puzzle, g);
    } else if (digits >= 82) {
        result.rule = 4;
        readCandidateGrid(text, g);
    } else if (digits + dots == 81) {
        QString puzzle;
        puzzle.reserve(81);
        for (QChar ch : text)
            if (isCellChar(ch))
                puzzle.append(ch);
        result.rule = 3;
        readPuzzleString(puzzle, g);
    }
    return result;
}

QString asTextBoxText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype p = 0; p < n; ++p) {
        const char16_t ch = text[p].unicode();
        if (ch == u'\r') {
            if (p + 1 < n && text[p + 1].unicode() == u'\n')
                ++p;
            out.append(QLatin1Char('\n'));
        } else if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator) {
            out.append(QLatin1Char('\n'));
        } else if (ch == QChar::Nbsp) {
            out.append(QLatin1Char(' '));
        } else {
            out.append(text[p]);
        }
    }
    return out;
}

} // namespace importreader
