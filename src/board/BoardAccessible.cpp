#include "board/BoardAccessible.h"

#include "board/BoardCursor.h"
#include "board/CellSpeech.h"
#include "board/PICSD33.h"

#include <QAccessibleWidget>

namespace boardaccessible {

QString cellName(const TPicNode &cell)
{
    cellspeech::Shown shown;
    shown.row = cell.row;
    shown.col = cell.col;
    shown.state = cell.state;
    for (int k = 1; k <= 9; ++k)
        if (!cell.marks[static_cast<size_t>(k)]->isHidden())
            shown.marks += QString::number(k);
    if (shown.marks.isEmpty())
        shown.digit = cell.caption().trimmed();
    shown.clash = cell.errflag;
    shown.wrong = !shown.digit.isEmpty() && cell.wrong;
    return cellspeech::name(shown);
}

namespace {

TPICSD33 *boardOf(QObject *cell) { return qobject_cast<TPICSD33 *>(cell->parent()); }

bool isCursorCell(TPicNode *cell)
{
    const TPICSD33 *board = boardOf(cell);
    return board && board->cursor()->active() && board->cursor()->cellWidget() == cell;
}

// A cell: its marks are part of what it says, not objects of their own.
class CellInterface : public QAccessibleWidget {
public:
    explicit CellInterface(TPicNode *cell) : QAccessibleWidget(cell, QAccessible::Cell) {}
    TPicNode *cell() const { return static_cast<TPicNode *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        const QString name = cellName(*cell());
        switch (t) {
        case QAccessible::Name: return name;
        case QAccessible::Value:
        case QAccessible::Description: return name.section(QStringLiteral(": "), 1);
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = true;
        const TPICSD33 *board = boardOf(cell());
        s.focused = board && board->hasFocus() && isCursorCell(cell());
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

// The board: its cells, and the cursor's cell as the focused child.
class BoardInterface : public QAccessibleWidget {
public:
    explicit BoardInterface(TPICSD33 *board) : QAccessibleWidget(board, QAccessible::Grouping) {}
    TPICSD33 *board() const { return static_cast<TPICSD33 *>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && board()->accessibleName().isEmpty())
            return QStringLiteral("Board");
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface *focusChild() const override
    {
        if (board()->hasFocus() && board()->cursor()->active())
            return QAccessible::queryAccessibleInterface(board()->cursor()->cellWidget());
        return QAccessibleWidget::focusChild();
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TPicNode"))
        return new CellInterface(static_cast<TPicNode *>(object));
    if (className == QLatin1String("TPICSD33"))
        return new BoardInterface(static_cast<TPICSD33 *>(object));
    return nullptr;
}

} // namespace

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace boardaccessible
