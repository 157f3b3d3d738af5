#pragma once

class QWidget;

// Moves a top-level window so that its frame sits in the middle of the
// available area of the screen it is on (the primary one before it shows).
void centerOnScreen(QWidget *window);
