#include "game/DigitPad.h"

#include <QToolButton>

DigitPad::DigitPad(QWidget *parent) : QObject(parent)
{
    for (int d = 1; d <= 9; ++d) {
        auto *b = new QToolButton(parent);
        b->setText(QString::number(d));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setObjectName(QStringLiteral("disnote%1").arg(d));
        connect(b, &QToolButton::clicked, this, [this, d] { onClicked(d); });
        buttons_[static_cast<size_t>(d - 1)] = b;
    }
}

int DigitPad::down() const
{
    for (int d = 9; d >= 1; --d)
        if (button(d)->isChecked())
            return d;
    return 0;
}

void DigitPad::setDown(int digit)
{
    for (int d = 1; d <= 9; ++d)
        button(d)->setChecked(d == digit);
}

void DigitPad::onClicked(int digit)
{
    // The button has already toggled itself; put the group rule on top.
    if (button(digit)->isChecked())
        setDown(digit);
    else if (!allowAllUp_)
        button(digit)->setChecked(true);
    emit clicked(digit);
}
