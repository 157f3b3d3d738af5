#include "ReferenceSolver.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace reference {

long Guesses = 0;
long GuessLimit = 0;

namespace {
SolverGrid grid;

int boxStart(int k, int size) { return ((k - 1) / size) * size + 1; }

struct Snapshot {
    SolverCell cells[GridSize + 1][GridSize + 1];
};

void take(Snapshot &s)
{
    for (int r = 1; r <= GridSize; ++r)
        for (int c = 1; c <= GridSize; ++c)
            s.cells[r][c] = grid[r][c];
}

void restore(const Snapshot &s)
{
    for (int r = 1; r <= GridSize; ++r)
        for (int c = 1; c <= GridSize; ++c)
            grid[r][c] = s.cells[r][c];
}

QString writeGrid()
{
    QString s;
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            s += QChar(u'0' + grid[r][c].Value);
    return s;
}
} // namespace

void FindPossibilities()
{
    for (int r = 1; r <= GridSize; ++r)
        for (int c = 1; c <= GridSize; ++c) {
            SolverCell &cell = grid[r][c];
            if (cell.Value != 0) {
                for (int v = 1; v <= GridSize; ++v)
                    cell.Poss[v] = false;
                continue;
            }
            for (int v = 1; v <= GridSize; ++v)
                cell.Poss[v] = true;
            for (int k = 1; k <= GridSize; ++k) {
                if (grid[r][k].Value != 0)
                    cell.Poss[grid[r][k].Value] = false;
                if (grid[k][c].Value != 0)
                    cell.Poss[grid[k][c].Value] = false;
            }
            const int br = boxStart(r, BoxRows), bc = boxStart(c, BoxCols);
            for (int i = br; i < br + BoxRows; ++i)
                for (int j = bc; j < bc + BoxCols; ++j)
                    if (grid[i][j].Value != 0)
                        cell.Poss[grid[i][j].Value] = false;
        }
}

bool check()
{
    for (int r = 1; r <= GridSize; ++r)
        for (int c = 1; c <= GridSize; ++c)
            if (grid[r][c].Value == 0)
                return false;
    return true;
}

unsigned char CountPossValue(unsigned char v, unsigned char r, unsigned char c)
{
    unsigned char n = 0;
    for (int k = 1; k <= GridSize; ++k)
        n = static_cast<unsigned char>(n + (grid[r][c].Poss[k] ? 1 : 0));
    if (n == 1)
        return 1;
    n = 0;
    for (int k = 1; k <= GridSize; ++k)
        if (grid[k][c].Value == 0 && grid[k][c].Poss[v])
            ++n;
    if (n == 1)
        return 1;
    n = 0;
    for (int k = 1; k <= GridSize; ++k)
        if (grid[r][k].Value == 0 && grid[r][k].Poss[v])
            ++n;
    if (n == 1)
        return 1;
    n = 0;
    const int br = boxStart(r, BoxRows), bc = boxStart(c, BoxCols);
    for (int i = br; i < br + BoxRows; ++i)
        for (int j = bc; j < bc + BoxCols; ++j)
            if (grid[i][j].Value == 0 && grid[i][j].Poss[v])
                ++n;
    return n;
}

bool SolveSudoku()
{
    bool changed;
    do {
        changed = false;
        for (int r = 1; r <= GridSize; ++r)
            for (int c = 1; c <= GridSize; ++c) {
                if (grid[r][c].Value != 0)
                    continue;
                for (int v = 1; v <= GridSize; ++v) {
                    if (grid[r][c].Poss[v]
                        && CountPossValue(static_cast<unsigned char>(v), static_cast<unsigned char>(r),
                                          static_cast<unsigned char>(c))
                               == 1) {
                        grid[r][c].Value = static_cast<unsigned char>(v);
                        FindPossibilities();
                        changed = true;
                    }
                }
            }
    } while (changed);
    return check();
}

bool SolveBruteForce()
{
    int fr = 0, fc = 0;
    for (int r = 1; r <= GridSize && !fr; ++r)
        for (int c = 1; c <= GridSize; ++c)
            if (grid[r][c].Value == 0) {
                fr = r;
                fc = c;
                break;
            }
    if (!fr)
        return false;
    auto snapshot = std::make_unique<Snapshot>();
    for (int v = 1; v <= GridSize; ++v) {
        if (!grid[fr][fc].Poss[v])
            continue;
        if (++Guesses > GuessLimit && GuessLimit > 0)
            throw TooManyGuesses{};
        take(*snapshot);
        grid[fr][fc].Value = static_cast<unsigned char>(v);
        FindPossibilities();
        SolveSudoku();
        if (check())
            return true;
        if (SolveBruteForce())
            return true;
        restore(*snapshot);
    }
    return false;
}

bool IsConflictFree(const QString &puzzle)
{
    auto given = [&](int i) {
        return i < puzzle.size() && puzzle.at(i) != QLatin1Char('0') && puzzle.at(i) != QLatin1Char('*');
    };
    for (int i = 0; i < 81; ++i) {
        if (!given(i))
            continue;
        const int r = i / 9, c = i % 9;
        for (int k = 0; k < 9; ++k) {
            const int rowCell = r * 9 + k, colCell = k * 9 + c;
            if (k != c && given(rowCell) && puzzle.at(rowCell) == puzzle.at(i))
                return false;
            if (k != r && given(colCell) && puzzle.at(colCell) == puzzle.at(i))
                return false;
        }
        for (int k = (r / 3) * 3; k < (r / 3) * 3 + 3; ++k)
            for (int l = (c / 3) * 3; l < (c / 3) * 3 + 3; ++l) {
                const int j = k * 9 + l;
                if (j != i && given(j) && puzzle.at(j) == puzzle.at(i))
                    return false;
            }
    }
    return true;
}

int SolveString(const QString &puzzle, QString &solution)
{
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const int p = (r - 1) * 9 + c - 1;
            const QChar ch = p < puzzle.size() ? puzzle.at(p) : QChar();
            grid[r][c].Value = ch >= QLatin1Char('1') && ch <= QLatin1Char('9')
                                   ? static_cast<unsigned char>(ch.unicode() - '0')
                                   : 0;
        }
    FindPossibilities();
    int code;
    if (check())
        code = 1;
    else
        code = SolveBruteForce() ? 0 : 1;
    solution = writeGrid();
    return code;
}

int CheckPuzzle(const QString &puzzle, QString &first, QString &second)
{
    first.clear();
    second.clear();
    if (!IsConflictFree(puzzle))
        return 1;
    if (SolveString(puzzle, first) == 1)
        return 1;
    QString turned = puzzle;
    std::reverse(turned.begin(), turned.end());
    // A string shorter than 81 turns as a whole: the blanks past its end
    // come first on the turned board.
    if (turned.size() < 81)
        turned = QString(81 - turned.size(), QLatin1Char('*')) + turned;
    else if (turned.size() > 81)
        turned = turned.right(81);
    QString back;
    if (SolveString(turned, back) == 1)
        return 1;
    std::reverse(back.begin(), back.end());
    second = back;
    return second == first ? 0 : 2;
}

} // namespace reference
