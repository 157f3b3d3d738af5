#pragma once

class QWidget;

// Moves a top-level window so that its frame sits in the middle of the
// available area of the screen it is on (the primary one before it shows),
// its title bar on the screen even when the window is the taller.
void centerOnScreen(QWidget *window);
