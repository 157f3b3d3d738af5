#pragma once

#include <QObject>

class QWidget;

// Moves a top-level window so that its frame sits in the middle of the
// available area of the screen it is on (the primary one before it shows),
// its title bar on the screen even when the window is the taller.
void centerOnScreen(QWidget *window);

// Shrinks a top-level window whose frame is larger than the available area
// of its screen to that area, and moves it inside; a window that fits keeps
// its size and place. Its minimum size still wins.
void fitOnScreen(QWidget *window);

// Fits every window on its screen as it shows (see fitOnScreen), installed
// once on the application as an event filter.
class ScreenFit : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
