#pragma once

#include "board/CellData.h"
#include "base/Geometry.h"
#include "board/PicNode.h"
#include "base/TColor.h"

#include <QWidget>

class BoardCursor;

#include <array>
#include <functional>

// The 9 x 9 board: a black panel holding 81 cells. It handles no input of
// its own; owners write the cells' value and state and call its operations.
// Every display operation ends in changed(), the one signal windows beside
// the board follow.
class TPICSD33 : public QWidget {
    Q_OBJECT
public:
    explicit TPICSD33(QWidget *parent = nullptr);

    // Published properties: plain stored fields, read by the next display
    // operation. The initialisers are the constructed values.
    TColor UNFoucsColor1 = clr::White;
    TColor UNFoucsColor2 = 16759739;
    TColor FoucsColor1 = 12043517;
    TColor FoucsColor2 = 14538713;
    int FONTSize1 = 25;
    int FONTSize2 = 25;
    int FONTSize3 = 12;
    TColor FONTColor1 = clr::Black;
    TColor FONTColor2 = clr::Blue;
    TColor FONTColor3 = clr::Maroon;
    int nd = 0;
    TColor errorcolor = 732916;
    TColor highcolor = 11654065;
    bool autotranzt = false;
    // Clash display: every clashing cell instead of the first pair.
    bool allClashes = false;

    TPicNode *Cell(int row, int col) const { return cells_[static_cast<size_t>(geometry::boardIndex(row, col))]; }
    TPicNode *cellAt(int index) const { return cells_[static_cast<size_t>(index)]; }
    const CellGrid &grid() const { return grid_; }
    CellGrid &grid() { return grid_; }

    int BoxOf(int row, int col) const;
    QString CandidatesOf(int row, int col) const;
    QString FilterCandidates(int row, int col) const;
    void CheckConflicts();
    bool HasConflict() const;
    bool IsSolved();
    QString GivensString() const;
    void RemoveFromPeers(int row, int col);
    void RestoreToPeers(int row, int col, const QString &digit);

    void LayoutCells();
    void RefreshStyle();
    void ShowNone();
    void ShowAll();
    void ShowOnly(int digit);
    void HideMarks();

    // Left edge of column c (and top edge of row c): 2, 48, 94, 142, ...
    static int CellEdge(int c);
    // The keyboard cursor drawn over the board.
    BoardCursor *cursor() const { return cursor_; }
    // The resting background of (row, col): the checkerboard of boxes,
    // drawn in the built-in colour when the property holds no RGB colour.
    TColor BoxColor(int row, int col) const;
    // The colour candidate marks are drawn in.
    TColor candidateColor() const;

signals:
    // The cells were written and drawn anew (a display operation ended).
    // Observers connect queued, so a handler's work is never split.
    void changed();

private:
    // The open cells' marks shown where shows says so, the others hidden.
    void showMarks(const std::function<bool(const TPicNode *)> &shows);
    void digitStyle(TPicNode *cell, int style) const;
    void background(TPicNode *cell) const;

    std::array<TPicNode *, 81> cells_{};
    CellGrid grid_;
    BoardCursor *cursor_ = nullptr;
};
