#pragma once

#include <QFrame>

// The panel that hides the board while the game is paused, so a stopped
// clock cannot be used to study the puzzle. It also watches the clock for
// clicks and its window for being minimised; the main window decides what
// those mean.
class PauseCover : public QFrame {
    Q_OBJECT
public:
    // board: the widget covered, in the same parent as the cover.
    PauseCover(QWidget *board, QWidget *clock);

    // Lays the cover over the board and shows it.
    void cover();

signals:
    void clicked();
    void clockClicked();
    void minimised();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *board_;
    QWidget *clock_;
};
