#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class TForm1;
class QWidget;

// Play without the mouse: every key of the main window (and of the windows
// that forward theirs) seen first, once, dispatched from the key table; the
// keys at the board's cursor turned into the intent a click there has; and
// the focus order of the main window.
class KeyRouter : public QObject {
public:
    explicit KeyRouter(TForm1 &form);

    // True when the key was one of the window's own.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // The board's cursor keys and the keys that click at the cursor, undo
    // and redo; true when the key was one of them.
    bool BoardKeyDown(int key, Qt::KeyboardModifiers shift);
    // After a deal the next cursor key and Tab go to the board, whatever
    // has the focus, until the player moves the focus.
    void keysToBoard() { keysToBoard_ = true; }
    // Keys that reach window are the main window's too.
    void forward(QWidget *window) { windows_.append(window); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFocusOrder();
    bool keepFocusOffControls(QObject *watched, QEvent *event);
    bool boardHasKeys() const;

    TForm1 &form_;
    bool keysToBoard_ = false;
    QList<QPointer<QWidget>> windows_;
};
