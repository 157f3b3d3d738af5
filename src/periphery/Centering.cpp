#include "periphery/Centering.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centerOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is the window's size plus its decorations, where known.
    const QSize outer = window->frameGeometry().size().expandedTo(window->size());
    const QPoint framePos(area.x() + (area.width() - outer.width()) / 2,
                          area.y() + (area.height() - outer.height()) / 2);
    window->move(framePos);
}
