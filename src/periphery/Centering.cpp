#include "periphery/Centering.h"

#include "periphery/Placement.h"

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
