#pragma once

#include <QObject>

#include <array>

class QAbstractButton;
class QToolButton;
class QWidget;

// Nine toggle buttons of which at most one is down. Whether the down one
// may be clicked up again (leaving all up) is switchable.
class DigitPad : public QObject {
    Q_OBJECT
public:
    explicit DigitPad(QWidget *parent);

    QToolButton *button(int digit) const { return buttons_[static_cast<size_t>(digit - 1)]; }
    // The digit whose button is down, 0 when all are up.
    int down() const;
    // Presses the button of digit (releasing the others); 0 releases all.
    void setDown(int digit);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }

signals:
    // A button was clicked by the player, after the pad updated itself.
    void clicked(int digit);

private:
    void onClicked(int digit);

    std::array<QToolButton *, 9> buttons_{};
    bool allowAllUp_ = false;
};
