#include "board/BoardCursor.h"

#include "board/BoardAccessible.h"
#include "board/PICSD33.h"

#include <QAccessible>
#include <QEvent>
#include <QFocusEvent>

BoardCursor::BoardCursor(TPICSD33 *board) : BoardOverlay(board, QStringLiteral("cursor"))
{
    board->installEventFilter(this);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = board->cellAt(i);
        cell->installEventFilter(this);
        for (int k = 1; k <= 9; ++k)
            cell->marks[static_cast<size_t>(k)]->installEventFilter(this);
    }
    // Queued: the handler that changed the board finishes its colours
    // first, and those are part of what is spoken.
    connect(board, &TPICSD33::changed, this, &BoardCursor::announceChanges, Qt::QueuedConnection);
}

TPicNode *BoardCursor::cellWidget() const { return board_->Cell(at_.row, at_.col); }

void BoardCursor::moveBy(boardkeys::Move move)
{
    using boardkeys::Move;
    const bool arrow = move == Move::Left || move == Move::Right || move == Move::Up || move == Move::Down;
    const boardkeys::Cell from = active_ ? at_ : start();
    showAt(active_ || !arrow ? boardkeys::moved(from, move) : from);
}

void BoardCursor::showAt(boardkeys::Cell cell)
{
    if (!board_->isEnabled())
        return;
    const bool changed = !active_ || !(cell == at_);
    at_ = cell;
    active_ = true;
    touched_.reset();
    sync();
    if (changed) {
        announceFocus();
        emit moved(at_);
    }
}

void BoardCursor::hideCursor()
{
    if (!active_)
        return;
    active_ = false;
    sync();
}

void BoardCursor::sync()
{
    const bool shown = active_ && board_->isEnabled();
    if (shown) {
        // Black between two white lines: it reads on every cell colour.
        setFrames({{geometry::boardIndex(at_.row, at_.col),
                    {{0, 1, QColor(Qt::white)}, {1, 2, QColor(Qt::black)}, {3, 1, QColor(Qt::white)}}}});
        setGeometry(board_->rect());
        raise();
        update();
    }
    setVisible(shown);
}

bool BoardCursor::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (watched == board_ && !board_->isEnabled())
            hideCursor();
        break;
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == board_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            showAt(active_ ? at_ : start());
        else if (watched == board_ && active_)
            announceFocus();
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == board_ && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            hideCursor();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched != board_)
            hideCursor();
        break;
    case QEvent::Enter:
        if (TPicNode *cell = TPicNode::cellOf(watched); cell && watched != board_)
            touched_ = boardkeys::Cell{cell->row, cell->col};
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void BoardCursor::announceFocus()
{
    if (!QAccessible::isActive() || !board_->hasFocus())
        return;
    QAccessibleEvent event(cellWidget(), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void BoardCursor::announceChanges()
{
    if (!QAccessible::isActive())
        return;
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = board_->cellAt(i);
        QString now = boardaccessible::cellName(*cell);
        if (now == spoken_[static_cast<size_t>(i)])
            continue;
        spoken_[static_cast<size_t>(i)] = now;
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
