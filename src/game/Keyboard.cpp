#include "game/Keyboard.h"

#include "board/BoardCursor.h"
#include "game/DigitPad.h"
#include "game/FocusRing.h"
#include "play/Intent.h"
#include "play/KeyTable.h"
#include "periphery/Seams.h"
#include "puzzle/Levels.h"
#include "game/Pause.h"
#include "game/main.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QToolButton>

KeyRouter::KeyRouter(TForm1 &form) : QObject(&form), form_(form)
{
    buildFocusOrder();
    qApp->installEventFilter(this);
}

bool KeyRouter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        return keepFocusOffControls(watched, event);
    if (event->type() != QEvent::KeyPress)
        return false;
    // Key preview: the window sees every key first, once, at the widget the
    // key is delivered to; so do the windows that forward theirs.
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || (w->window() != &form_ && !windows_.contains(w->window())) || !w->window()->isActiveWindow())
        return false;
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w->window();
    if (w != target)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    bool handled = false;
    seams::guard([&] { handled = form_.FormKeyDown(key->key(), key->modifiers()); });
    return handled;
}

void KeyRouter::buildFocusOrder()
{
    TForm1 &f = form_;
    // Tab reaches every control; a click still gives none of them the
    // focus, so the mouse player's window behaves as before.
    QList<QWidget *> order{f.ToolButton12, f.ToolButton4, f.ToolButton11, f.ToolButton5, f.ToolButton6, f.ToolButton7,
                           f.ToolButton8,  f.tbresign,    f.tbsolve,     f.ToolButton14, f.sd991,       f.rb_none,
                           f.rb_all,       f.rb_one};
    for (int d = 1; d <= 9; ++d)
        order << f.disnote[static_cast<size_t>(d)];
    order << f.cbautoupdate << f.ToolButton9 << f.tbfirst << f.tbback << f.tbnext << f.tblast;
    for (QWidget *w : order)
        w->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    new FocusRing(f.centralWidget(), f.sd991);

    // Buttons that show only an icon are named by what they do.
    QToolButton *const levelButtons[] = {f.ToolButton11, f.ToolButton5, f.ToolButton6, f.ToolButton7, f.ToolButton8};
    for (QToolButton *b : {f.ToolButton12, f.ToolButton4, f.tbresign, f.tbsolve, f.ToolButton14, f.ToolButton9, f.tbfirst, f.tbback,
                           f.tbnext, f.tblast}) {
        b->setAccessibleName(b->toolTip());
        b->setAccessibleDescription(b->toolTip());
    }
    for (int level = 0; level < levels::kCount; ++level) {
        QToolButton *b = levelButtons[level];
        b->setAccessibleName(QString::fromLatin1(levels::kNames[level]));
        b->setAccessibleDescription(b->toolTip());
    }
}

bool KeyRouter::keepFocusOffControls(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // The player moved the focus: the keys follow it from now on.
    if (w && w->window() == &form_ && w != form_.menuBar()
        && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
            || reason == Qt::ShortcutFocusReason))
        keysToBoard_ = false;
    // Activating the window hands the focus to its first control: until
    // the player tabs, keys stay with the window, as they did before.
    if (reason != Qt::ActiveWindowFocusReason || !w || w == form_.sd991 || w->window() != &form_
        || form_.testAttribute(Qt::WA_KeyboardFocusChange))
        return false;
    w->clearFocus();
    return true;
}

bool KeyRouter::boardHasKeys() const
{
    // The focus on the board, on no control, on the menu bar that opened
    // the menu of a deal, or anywhere while the keys go to the board after
    // a deal: a focused button keeps Space and Enter, a radio its arrows.
    // A menu bar still walking its menus keeps its arrows.
    const QWidget *focus = QApplication::focusWidget();
    const QWidget *bar = form_.menuBar();
    if (QApplication::activePopupWidget() || (focus == bar && form_.menuBar()->activeAction()))
        return false;
    return !focus || focus == form_.sd991 || focus == &form_ || focus == bar || keysToBoard_;
}

bool KeyRouter::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    using keytable::Action;
    // While paused any key goes on.
    if (form_.pause().PauseKey(key))
        return true;
    const keytable::Command command = keytable::commandFor(key, shift);
    switch (command.action) {
    case Action::Mode: {
        QRadioButton *const modes[] = {form_.rb_none, form_.rb_all, form_.rb_one};
        modes[command.arg]->setChecked(true);
        return true;
    }
    case Action::SelectDigit:
        form_.digitPad->setDown(command.arg);
        form_.disnote1Click();
        return true;
    case Action::Focus:
        // Tab from the menu, from no control or after a deal: the board is
        // the first stop.
        if (!form_.sd991->isEnabled() || !boardHasKeys() || (form_.sd991->hasFocus() && !keysToBoard_))
            return false;
        keysToBoard_ = false;
        if (form_.sd991->hasFocus()) {
            BoardCursor *cursor = form_.sd991->cursor();
            cursor->showAt(cursor->active() ? cursor->cell() : cursor->start());
        } else {
            form_.sd991->setFocus(Qt::TabFocusReason);
        }
        return true;
    default:
        // Explain, Back, Next and Escape are the shortcuts of their items.
        return BoardKeyDown(key, shift);
    }
}

bool KeyRouter::BoardKeyDown(int key, Qt::KeyboardModifiers shift)
{
    using keytable::Action;
    const keytable::Command command = keytable::commandFor(key, shift);
    switch (command.action) {
    case Action::Undo:
    case Action::Redo:
        return form_.apply(intent::key(command.action, form_.pressedAt(nullptr)), nullptr);
    case Action::Move:
    case Action::Primary:
    case Action::Secondary:
    case Action::Menu:
        break;
    default:
        return false;
    }
    if (!boardHasKeys() || !form_.sd991->isEnabled())
        return false;
    BoardCursor *cursor = form_.sd991->cursor();
    if (command.action == Action::Move) {
        keysToBoard_ = false;
        if (!form_.sd991->hasFocus())
            form_.sd991->setFocus(Qt::OtherFocusReason);
        cursor->moveBy(static_cast<boardkeys::Move>(command.arg));
        return true;
    }
    if (!cursor->active())
        return false;
    TPicNode *cell = cursor->cellWidget();
    form_.apply(intent::key(command.action, form_.pressedAt(cell)), cell);
    return true;
}
