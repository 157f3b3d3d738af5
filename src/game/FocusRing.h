#pragma once

#include <QPointer>
#include <QWidget>

// A ring around the control that has the keyboard focus, drawn over the
// window once the player moves the focus with Tab: the style's own focus
// frames are faint on some controls. Nothing shows for a mouse player,
// nor on the board, whose focus is its cursor.
class FocusRing : public QWidget {
public:
    FocusRing(QWidget *client, QWidget *board);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *focus);

    QWidget *client_;
    QWidget *board_;
    QPointer<QWidget> target_;
};
