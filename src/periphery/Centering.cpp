#include "periphery/Centering.h"

#include "periphery/Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is the window's size plus its decorations, where known.
    const QSize outer = window->frameGeometry().size().expandedTo(window->size());
    window->move(placement::centred(outer, screen->availableGeometry()));
}

namespace {

const QScreen *screenOf(const QWidget *window)
{
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

QSize decorationOf(const QWidget *window) { return window->frameGeometry().size() - window->size(); }

} // namespace

void fitOnScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize decoration = decorationOf(window);
    // Until the window manager has framed it, a dialog borrows the frame of
    // the window it belongs to.
    if (decoration.isEmpty() && window->parentWidget())
        decoration = decorationOf(window->parentWidget()->window());
    const QSize size = placement::fitted(window->size(), decoration, area);
    if (size == window->size())
        return;
    window->resize(size);
    window->move(placement::inside(QRect(window->pos(), window->size() + decoration), area));
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
            fitOnScreen(widget);
    }
    return QObject::eventFilter(watched, event);
}
