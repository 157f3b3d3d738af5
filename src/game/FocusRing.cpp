#include "game/FocusRing.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int kGap = 1;   // between the control and the ring
constexpr int kWidth = 2; // of the ring
} // namespace

FocusRing::FocusRing(QWidget *client, QWidget *board) : QWidget(client), client_(client), board_(board)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusRing::follow(QWidget *focus)
{
    target_ = focus;
    if (!focus || focus == board_ || !client_->isAncestorOf(focus)
        || !client_->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        hide();
        return;
    }
    const int m = kGap + kWidth;
    setGeometry(QRect(focus->mapTo(client_, QPoint(0, 0)), focus->size()).adjusted(-m, -m, m, m));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(palette().color(QPalette::Highlight).darker(130), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}
