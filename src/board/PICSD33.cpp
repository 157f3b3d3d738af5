#include "board/PICSD33.h"

#include "board/BoardPlaces.h"

#include "board/BoardAccessible.h"
#include "board/BoardCursor.h"
#include "board/BoardLogic.h"

#include <QPalette>

TPICSD33::TPICSD33(QWidget *parent) : QWidget(parent)
{
    // The colour properties already hold their constructed values.
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            auto *cell = new TPicNode(this);
            cell->errflag = false;
            cell->state = stBigNumber;
            cell->row = r;
            cell->col = c;
            cell->setAlignment(Qt::AlignCenter);
            cell->setFocusPolicy(Qt::NoFocus);
            cell->setPanelColor(BoxColor(r, c));
            cell->setObjectName(QStringLiteral("cell%1%2").arg(r).arg(c));
            const int i = geometry::boardIndex(r, c);
            cells_[static_cast<size_t>(i)] = cell;
            grid_.set(i, cell);
        }
    }
    resize(boardplaces::kBoardSize, boardplaces::kBoardSize);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    // The font properties hold their constructed values from the start.
    LayoutCells();
    RefreshStyle();
    boardaccessible::install();
    cursor_ = new BoardCursor(this);
}

int TPICSD33::CellEdge(int c)
{
    return boardplaces::cellEdge(c);
}

int TPICSD33::BoxOf(int row, int col) const { return boardlogic::boxOf(row, col); }

TColor TPICSD33::BoxColor(int row, int col) const
{
    return boardlogic::boxOf(row, col) % 2 == 0 ? clr::rgbOr(UNFoucsColor2, builtin::Box2)
                                                : clr::rgbOr(UNFoucsColor1, builtin::Box1);
}

QString TPICSD33::CandidatesOf(int row, int col) const { return boardlogic::candidatesOf(grid_, row, col); }
QString TPICSD33::FilterCandidates(int row, int col) const { return boardlogic::filterCandidates(grid_, row, col); }
void TPICSD33::CheckConflicts()
{
    if (allClashes)
        boardlogic::checkAllConflicts(grid_);
    else
        boardlogic::checkConflicts(grid_);
}
bool TPICSD33::HasConflict() const { return boardlogic::hasConflict(grid_); }
bool TPICSD33::IsSolved()
{
    if (!allClashes)
        return boardlogic::isSolved(grid_);
    for (int i = 0; i < 81; ++i)
        if (grid_[i].state == stCandidates)
            return false;
    CheckConflicts();
    return !HasConflict();
}
QString TPICSD33::GivensString() const { return boardlogic::givensString(grid_); }
void TPICSD33::RemoveFromPeers(int row, int col) { boardlogic::removeFromPeers(grid_, row, col); }
void TPICSD33::RestoreToPeers(int row, int col, const QString &digit) { boardlogic::restoreToPeers(grid_, row, col, digit); }

void TPICSD33::LayoutCells()
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = cells_[static_cast<size_t>(i)];
        const int r = i / 9 + 1, c = i % 9 + 1;
        cell->move(CellEdge(c), CellEdge(r));
        // The cell keeps only its raised bevel: no border, no 3-D frame.
        cell->setSingleBorder(false);
        cell->row = r;
        cell->col = c;
    }
}

void TPICSD33::digitStyle(TPicNode *cell, int style) const
{
    cell->setFontSizePt(style == 1 ? FONTSize1 : FONTSize2);
    cell->setFontColorValue(style == 1 ? clr::rgbOr(FONTColor1, builtin::Fixed)
                                       : clr::rgbOr(FONTColor2, builtin::BigNumber));
    cell->setCaption(cell->value);
}

// Step shared by the three candidate displays.
void TPICSD33::background(TPicNode *cell) const
{
    if (cell->errflag) {
        cell->setPanelColor(errorcolor);
    } else {
        cell->setCaption(QString());
        cell->setPanelColor(BoxColor(cell->row, cell->col));
    }
}

TColor TPICSD33::candidateColor() const { return clr::rgbOr(FONTColor3, builtin::Candidate); }

void TPICSD33::RefreshStyle()
{
    for (TPicNode *cell : cells_) {
        if (cell->errflag)
            cell->setPanelColor(errorcolor);
        else
            cell->setcolor(BoxColor(cell->row, cell->col));
        if (cell->state == stFixed) {
            cell->Hide();
            digitStyle(cell, 1);
        } else if (cell->value.size() == 1) {
            cell->Hide();
            digitStyle(cell, 2);
        } else {
            cell->setCaption(QString());
            cell->setFontSize(FONTSize3);
            cell->setFontColor(candidateColor());
            cell->showhxs();
        }
    }
    emit changed();
}

void TPICSD33::ShowNone()
{
    for (TPicNode *cell : cells_) {
        cell->Hide();
        background(cell);
        if (cell->state == stFixed)
            digitStyle(cell, 1);
        else if (cell->state == stBigNumber)
            digitStyle(cell, 2);
    }
    emit changed();
}

void TPICSD33::showMarks(const std::function<bool(const TPicNode *)> &shows)
{
    for (TPicNode *cell : cells_) {
        background(cell);
        if (cell->state == stFixed) {
            digitStyle(cell, 1);
        } else if (cell->state == stBigNumber) {
            digitStyle(cell, 2);
        } else {
            cell->setCaption(QString());
            cell->setFontSize(FONTSize3);
            cell->setFontColor(candidateColor());
        }
        if (cell->state == stCandidates && shows(cell))
            cell->showhxs();
        else
            cell->Hide();
    }
    emit changed();
}

void TPICSD33::ShowAll()
{
    showMarks([](const TPicNode *) { return true; });
}

void TPICSD33::ShowOnly(int digit)
{
    const QString d = QString::number(digit);
    showMarks([&d](const TPicNode *cell) { return cell->value.contains(d) || cell->value.size() == 1; });
}

void TPICSD33::HideMarks()
{
    for (TPicNode *cell : cells_)
        if (cell->value.size() != 1)
            cell->Hide();
    emit changed();
}
