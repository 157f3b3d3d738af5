// Play without the mouse: the keys that stand in for a click at the
// board's cursor, undo and redo, and the focus order of the main window.
#include "board/BoardCursor.h"
#include "board/BoardKeys.h"
#include "game/DigitPad.h"
#include "game/FocusRing.h"
#include "puzzle/Levels.h"
#include "game/main.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>

void TForm1::buildKeyboard()
{
    // Tab reaches every control; a click still gives none of them the
    // focus, so the mouse player's window behaves as before.
    QList<QWidget *> order{ToolButton12, ToolButton4, ToolButton11, ToolButton5, ToolButton6, ToolButton7,
                           ToolButton8,  tbresign,    tbsolve,     ToolButton14, sd991,       rb_none,
                           rb_all,       rb_one};
    for (int d = 1; d <= 9; ++d)
        order << disnote[static_cast<size_t>(d)];
    order << cbautoupdate << ToolButton9 << tbfirst << tbback << tbnext << tblast;
    for (QWidget *w : order)
        w->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    new FocusRing(centralWidget(), sd991);

    // Buttons that show only an icon are named by what they do.
    QToolButton *const levelButtons[] = {ToolButton11, ToolButton5, ToolButton6, ToolButton7, ToolButton8};
    for (QToolButton *b : {ToolButton12, ToolButton4, tbresign, tbsolve, ToolButton14, ToolButton9, tbfirst, tbback,
                           tbnext, tblast}) {
        b->setAccessibleName(b->toolTip());
        b->setAccessibleDescription(b->toolTip());
    }
    for (int level = 0; level < levels::kCount; ++level) {
        QToolButton *b = levelButtons[level];
        b->setAccessibleName(QString::fromLatin1(levels::kNames[level]));
        b->setAccessibleDescription(b->toolTip());
    }
}

bool TForm1::keepFocusOffControls(QObject *watched, QEvent *event)
{
    // Activating the window hands the focus to its first control: until
    // the player tabs, keys stay with the window, as they did before.
    auto *w = qobject_cast<QWidget *>(watched);
    if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason || !w || w == sd991
        || w->window() != this || testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    w->clearFocus();
    return true;
}

bool TForm1::BoardKeyDown(int key, Qt::KeyboardModifiers shift)
{
    using boardkeys::Action;
    const boardkeys::Command command = boardkeys::commandFor(key, shift);
    switch (command.action) {
    case Action::None:
        return false;
    case Action::Undo:
    case Action::Redo: {
        QToolButton *button = command.action == Action::Undo ? tbback : tbnext;
        if (!button->isEnabled())
            return false;
        button->click();
        return true;
    }
    default:
        break;
    }
    // The board's keys while the focus is on the board or on no control;
    // a focused button keeps Space and Enter.
    const QWidget *focus = QApplication::focusWidget();
    if ((focus && focus != sd991 && focus != this) || !sd991->isEnabled())
        return false;
    BoardCursor *cursor = sd991->cursor();
    if (command.action == Action::Move) {
        if (!sd991->hasFocus())
            sd991->setFocus(Qt::OtherFocusReason);
        cursor->moveBy(command.move);
        return true;
    }
    if (!cursor->active())
        return false;
    TPicNode *cell = cursor->cellWidget();
    // In All and Only one a click lands on the selected digit's mark when
    // the cell shows it, else on the cell.
    const int d = SelectedDigit();
    Tmousepanel *mark = d > 0 && !rb_none->isChecked() ? cell->marks[static_cast<size_t>(d)] : nullptr;
    if (mark && mark->isHidden())
        mark = nullptr;
    switch (command.action) {
    case Action::Primary:
        if (mark)
            MarkMouseDown(mark, Qt::LeftButton);
        else
            CellMouseDown(cell, Qt::LeftButton);
        break;
    case Action::Secondary:
        if (mark)
            MarkMouseDown(mark, Qt::RightButton);
        else if (rb_none->isChecked())
            CellMouseDown(cell, Qt::RightButton);
        break;
    case Action::Menu:
        // The right button on the cell's free area: its mouse-down, then
        // the menu, when the cell carries one.
        if (cell->PopupMenu()) {
            CellMouseDown(cell, Qt::RightButton);
            ppPopup(cell);
            if (!pp->isEmpty())
                pp->exec(cell->mapToGlobal(QPoint(cell->width() / 2, cell->height() / 2)));
        }
        break;
    default:
        break;
    }
    return true;
}
