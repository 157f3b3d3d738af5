// Play: the candidate modes, the digit pad, the one routine that applies
// what a click or a key means on the board, and the popup menu of
// candidates.
#include "board/BoardLogic.h"
#include "board/DigitStrings.h"
#include "game/DigitPad.h"
#include "board/UpdateLock.h"
#include "game/main.h"
#include "periphery/Seams.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

bool TForm1::AutoUpdateOn() const { return cbautoupdate->isChecked(); }

void TForm1::setPopupOnCells(const std::function<bool(TPicNode *)> &carries)
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->setPopupMenu(carries(cell) ? pp : nullptr);
    }
}

// The display of the selected candidate mode.
void TForm1::redraw()
{
    if (rb_all->isChecked())
        sd991->ShowAll();
    else if (rb_one->isChecked())
        sd991->ShowOnly(SelectedDigit());
    else
        sd991->ShowNone();
}

void TForm1::rb_noneClick()
{
    UpdateLock lock(sd991);
    if (rb_none->isChecked()) {
        sd991->ShowNone();
        if (SelectedDigit() == 0)
            SetDigitButtons(1);
        HighlightDigit();
        setPopupOnCells([](TPicNode *) { return false; });
    } else if (rb_all->isChecked()) {
        FillCandidates();
        sd991->ShowAll();
        setPopupOnCells([](TPicNode *cell) { return cell->state != stFixed; });
        SetDigitButtons(0);
        UpdateDigitBars();
        HighlightDigit();
    } else if (rb_one->isChecked()) {
        FillCandidates();
        const int d = SelectedDigit() ? SelectedDigit() : 1;
        const QString digit = QString::number(d);
        setPopupOnCells([&](TPicNode *cell) { return cell->state != stFixed && cell->value.contains(digit); });
        SetDigitButtons(d);
        sd991->ShowOnly(d);
        UpdateDigitBars();
        HighlightDigit();
    }
    RefreshColors();
}

void TForm1::FillCandidates()
{
    if (!NoEmptyCell())
        boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::Empty);
    if (AutoUpdateOn()) {
        for (int i = 0; i < 81; ++i) {
            TPicNode *cell = sd991->cellAt(i);
            if (cell->state == stCandidates)
                cell->value = sd991->FilterCandidates(cell->row, cell->col);
        }
    }
}

void TForm1::disnote1Click()
{
    UpdateLock lock(sd991);
    if (rb_none->isChecked()) {
        sd991->ShowNone();
    } else if (rb_one->isChecked()) {
        if (!NoEmptyCell())
            boardlogic::fillCandidates(sd991->grid(), boardlogic::Open::Empty);
        const QString digit = QString::number(SelectedDigit());
        setPopupOnCells([&](TPicNode *cell) { return cell->value.contains(digit) && cell->state != stFixed; });
        sd991->ShowOnly(SelectedDigit());
    } else if (rb_all->isChecked()) {
        sd991->ShowAll();
    }
    RefreshColors();
}

namespace {
intent::Button buttonOf(Qt::MouseButton button)
{
    return button == Qt::LeftButton    ? intent::Button::Left
           : button == Qt::RightButton ? intent::Button::Right
                                       : intent::Button::Other;
}
} // namespace

void TForm1::CellMouseDown(QObject *sender, Qt::MouseButton button)
{
    if (auto *cell = qobject_cast<TPicNode *>(sender))
        apply(intent::cellClick(buttonOf(button), pressedAt(cell)), cell);
}

void TForm1::MarkMouseDown(QObject *sender, Qt::MouseButton button)
{
    auto *mark = qobject_cast<Tmousepanel *>(sender);
    TPicNode *cell = TPicNode::cellOf(mark);
    if (!mark || !cell || cell == mark)
        return;
    apply(intent::markClick(buttonOf(button), mark->caption().toInt()), cell);
}

bool TForm1::apply(const intent::Intent &in, TPicNode *cell)
{
    using intent::Kind;
    switch (in.kind) {
    case Kind::None:
        return false;
    case Kind::Undo:
    case Kind::Redo: {
        // A move the clock has not sampled yet is recorded first, so the
        // step back undoes that move and the step forward can bring it back.
        if (gameRunning())
            RecordStep();
        UpdateStepButtons();
        QToolButton *button = in.kind == Kind::Undo ? tbback : tbnext;
        if (!button->isEnabled())
            return false;
        button->click();
        return true;
    }
    case Kind::PlaceMark:
        PlaceDigit(cell, QString::number(in.digit));
        ppTag = -1;
        return true;
    case Kind::StrikeMark: {
        {
            UpdateLock lock(sd991);
            cell->value = DeleteDigits(cell->value, QString::number(in.digit));
            if (cell->value.size() == 1) {
                cell->state = stBigNumber;
                if (AutoUpdateOn())
                    sd991->RemoveFromPeers(cell->row, cell->col);
            } else {
                cell->state = stCandidates;
            }
            moveMade();
        }
        ppTag = -1;
        return true;
    }
    case Kind::Menu:
        // The right button on the cell's free area: its press, then the menu.
        apply({Kind::Touch}, cell);
        ppPopup(cell);
        if (!pp->isEmpty())
            pp->exec(cell->mapToGlobal(QPoint(cell->width() / 2, cell->height() / 2)));
        return true;
    case Kind::Touch:
        if (in.onMark) {
            {
                UpdateLock lock(sd991);
                moveMade();
            }
            ppTag = -1;
            return true;
        }
        break;
    default:
        break;
    }
    // A press on the cell itself: write, empty, take back, or nothing but
    // the refresh.
    bool solved = false;
    if (rb_none->isChecked()) {
        UpdateLock lock(sd991);
        if (in.kind == Kind::Write) {
            cell->value = QString::number(in.digit);
            cell->state = stBigNumber;
        } else if (in.kind == Kind::Empty) {
            cell->state = stCandidates;
            cell->value.clear();
        }
        sd991->CheckConflicts();
        solved = sd991->IsSolved();
        UpdateDigitBars();
        sd991->ShowNone();
        HighlightDigit();
        RefreshColors();
    } else {
        UpdateLock lock(sd991);
        ppTag = 0;
        if (in.kind == Kind::TakeBack) {
            const QString old = cell->value;
            cell->value = sd991->CandidatesOf(cell->row, cell->col);
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
            sd991->CheckConflicts();
            solved = sd991->IsSolved();
            UpdateDigitBars();
            redraw();
            RefreshColors();
        }
    }
    if (solved)
        Finish();
    MarkWrongDigits();
    return true;
}

void TForm1::PlaceDigit(TPicNode *cell, const QString &digit)
{
    UpdateLock lock(sd991);
    cell->value = digit;
    cell->state = stBigNumber;
    if (AutoUpdateOn())
        sd991->RemoveFromPeers(cell->row, cell->col);
    moveMade();
}

void TForm1::moveMade()
{
    UpdateDigitBars();
    sd991->CheckConflicts();
    redraw();
    HighlightDigit();
    RefreshColors();
    MarkWrongDigits();
    if (sd991->IsSolved())
        Finish();
}

void TForm1::ppPopup(QObject *sender)
{
    popupCell_ = TPicNode::cellOf(sender);
    BuildCandidateMenu(popupCell_ ? popupCell_->value : QString());
    if (ppTag == -1)
        pp->clear();
}

void TForm1::BuildCandidateMenu(const QString &list)
{
    pp->clear();
    auto add = [this](const QString &caption, const QString &code) {
        QAction *a = pp->addAction(caption);
        a->setStatusTip(code); // the action code travels in the item's hint
        seams::connectGuarded(a, &QAction::triggered, this, [this, a] { CandidateMenuClick(a); });
    };
    for (int d = 1; d <= 9; ++d)
        if (!list.contains(QString::number(d)))
            add(QStringLiteral("Add %1").arg(d), QStringLiteral("+%1").arg(d));
    if (!list.isEmpty())
        pp->addSeparator();
    for (int d = 1; d <= 9; ++d)
        if (list.contains(QString::number(d)))
            add(QStringLiteral("Move %1").arg(d), QStringLiteral("-%1").arg(d));
    pp->addSeparator();
    add(QStringLiteral("Regenerate Candidate Numbers"), QStringLiteral("X"));
}

void TForm1::CandidateMenuClick(QAction *item)
{
    TPicNode *cell = popupCell_;
    const QString code = item->statusTip();
    if (!cell || code.isEmpty())
        return;
    UpdateLock lock(sd991);
    const QChar op = code.at(0);
    const QString d = code.mid(1, 1);
    if (op == QLatin1Char('+')) {
        if (cell->state == stBigNumber) {
            const QString old = cell->value;
            cell->value = AddDigits(cell->value, d);
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
        } else {
            cell->value = AddDigits(cell->value, d);
        }
    } else if (op == QLatin1Char('-')) {
        cell->value = RemoveDigit(cell->value, d);
    } else if (op == QLatin1Char('X')) {
        if (cell->state == stBigNumber) {
            const QString old = cell->value;
            cell->state = stCandidates;
            sd991->RestoreToPeers(cell->row, cell->col, old);
        }
        cell->value = sd991->CandidatesOf(cell->row, cell->col);
    }
    cell->state = stCandidates;
    UpdateDigitBars();
    sd991->CheckConflicts();
    redraw();
    RefreshColors();
    const bool solved = sd991->IsSolved();
    MarkWrongDigits();
    if (solved)
        Finish();
}

intent::At TForm1::pressedAt(const TPicNode *cell) const
{
    intent::At at;
    at.mode = rb_all->isChecked() ? intent::Mode::All
              : rb_one->isChecked() ? intent::Mode::OnlyOne
                                    : intent::Mode::None;
    at.selected = SelectedDigit();
    if (cell) {
        at.state = cell->state;
        at.value = cell->value;
        at.menu = cell->PopupMenu() != nullptr;
    }
    return at;
}
