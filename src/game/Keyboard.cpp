// Play without the mouse: every key dispatched from the key table, the
// keys at the board's cursor turned into the intent a click there has,
// and the focus order of the main window.
#include "board/BoardCursor.h"
#include "game/DigitPad.h"
#include "game/FocusRing.h"
#include "play/Intent.h"
#include "play/KeyTable.h"
#include "puzzle/Levels.h"
#include "game/Pause.h"
#include "game/main.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QMenu>
#include <QMenuBar>
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
    auto *w = qobject_cast<QWidget *>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // The player moved the focus: the keys follow it from now on.
    if (w && w->window() == this && w != menuBar()
        && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
            || reason == Qt::ShortcutFocusReason))
        keysToBoard_ = false;
    // Activating the window hands the focus to its first control: until
    // the player tabs, keys stay with the window, as they did before.
    if (reason != Qt::ActiveWindowFocusReason || !w || w == sd991 || w->window() != this
        || testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    w->clearFocus();
    return true;
}

void TForm1::keysToBoard() { keysToBoard_ = true; }

bool TForm1::boardHasKeys() const
{
    // The focus on the board, on no control, on the menu bar that opened
    // the menu of a deal, or anywhere while the keys go to the board after
    // a deal: a focused button keeps Space and Enter, a radio its arrows.
    // A menu bar still walking its menus keeps its arrows.
    const QWidget *focus = QApplication::focusWidget();
    if (QApplication::activePopupWidget() || (focus == menuBar() && menuBar()->activeAction()))
        return false;
    return !focus || focus == sd991 || focus == this || focus == menuBar() || keysToBoard_;
}

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    using keytable::Action;
    // While paused any key goes on.
    if (pause_->PauseKey(key))
        return true;
    const keytable::Command command = keytable::commandFor(key, shift);
    switch (command.action) {
    case Action::Mode: {
        QRadioButton *const modes[] = {rb_none, rb_all, rb_one};
        modes[command.arg]->setChecked(true);
        return true;
    }
    case Action::SelectDigit:
        digitPad->setDown(command.arg);
        disnote1Click();
        return true;
    case Action::Focus:
        // Tab from the menu, from no control or after a deal: the board is
        // the first stop.
        if (!sd991->isEnabled() || !boardHasKeys() || (sd991->hasFocus() && !keysToBoard_))
            return false;
        keysToBoard_ = false;
        if (sd991->hasFocus()) {
            BoardCursor *cursor = sd991->cursor();
            cursor->showAt(cursor->active() ? cursor->cell() : cursor->start());
        } else {
            sd991->setFocus(Qt::TabFocusReason);
        }
        return true;
    default:
        // Explain, Back, Next and Escape are the shortcuts of their items.
        return BoardKeyDown(key, shift);
    }
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

bool TForm1::BoardKeyDown(int key, Qt::KeyboardModifiers shift)
{
    using keytable::Action;
    const keytable::Command command = keytable::commandFor(key, shift);
    switch (command.action) {
    case Action::Undo:
    case Action::Redo:
        return apply(intent::key(command.action, pressedAt(nullptr)), nullptr);
    case Action::Move:
    case Action::Primary:
    case Action::Secondary:
    case Action::Menu:
        break;
    default:
        return false;
    }
    if (!boardHasKeys() || !sd991->isEnabled())
        return false;
    BoardCursor *cursor = sd991->cursor();
    if (command.action == Action::Move) {
        keysToBoard_ = false;
        if (!sd991->hasFocus())
            sd991->setFocus(Qt::OtherFocusReason);
        cursor->moveBy(static_cast<boardkeys::Move>(command.arg));
        return true;
    }
    if (!cursor->active())
        return false;
    TPicNode *cell = cursor->cellWidget();
    apply(intent::key(command.action, pressedAt(cell)), cell);
    return true;
}
