#pragma once

#include <QDialog>

class QTextBrowser;

// Help > How to Play: the rules, the controls and the levels, in a window
// that stays open beside the board.
class HowToPlayWindow : public QDialog {
    Q_OBJECT
public:
    explicit HowToPlayWindow(QWidget *parent = nullptr);
    QTextBrowser *text() const { return text_; }

private:
    QTextBrowser *text_;
};
