#include "board/mousepanel.h"

#include "board/Colors.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

Tmousepanel::Tmousepanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyFont();
}

void Tmousepanel::setCaption(const QString &text)
{
    if (caption_ == text)
        return;
    caption_ = text;
    update();
}

void Tmousepanel::setPanelColor(TColor c)
{
    if (color_ == c)
        return;
    color_ = c;
    update();
}

void Tmousepanel::setStandInColor(TColor c)
{
    standIn_ = c;
    update();
}

void Tmousepanel::setFontSizePt(int size)
{
    if (fontSize_ == size)
        return;
    fontSize_ = size;
    applyFont();
}

void Tmousepanel::setFontColorValue(TColor c)
{
    if (fontColor_ == c)
        return;
    fontColor_ = c;
    update();
}

void Tmousepanel::setFontBold(bool bold)
{
    if (bold_ == bold)
        return;
    bold_ = bold;
    applyFont();
}

void Tmousepanel::setRaisedBevel(bool raised)
{
    if (raised_ == raised)
        return;
    raised_ = raised;
    update();
}

void Tmousepanel::setLoweredBevel(bool lowered)
{
    if (lowered_ == lowered)
        return;
    lowered_ = lowered;
    update();
}

void Tmousepanel::setSingleBorder(bool on)
{
    if (border_ == on)
        return;
    border_ = on;
    update();
}

void Tmousepanel::setAlignment(Qt::Alignment a)
{
    align_ = a;
    update();
}

void Tmousepanel::applyFont()
{
    // The face comes from the window the panel sits on; only size and
    // weight are the panel's own.
    QFont f;
    f.setPointSize(fontSize_ > 0 ? fontSize_ : 1);
    f.setBold(bold_);
    setFont(f);
    update();
}

void Tmousepanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPanel(p, rect(), caption_, font(), toQColor(fontColor_));
}

void Tmousepanel::paintPanel(QPainter &p, const QRect &r, const QString &caption, const QFont &font,
                             const QColor &ink) const
{
    p.fillRect(r, toQColor(shownColor()));
    QRect inner = r;
    if (border_) {
        p.setPen(QColor(Qt::black));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        inner.adjust(1, 1, -1, -1);
    }
    const auto bevel = [&](QPalette::ColorRole topLeft, QPalette::ColorRole bottomRight) {
        p.setPen(palette().color(topLeft));
        p.drawLine(inner.topLeft(), inner.topRight() - QPoint(1, 0));
        p.drawLine(inner.topLeft(), inner.bottomLeft() - QPoint(0, 1));
        p.setPen(palette().color(bottomRight));
        p.drawLine(inner.bottomLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomRight());
        inner.adjust(1, 1, -1, -1);
    };
    if (raised_)
        bevel(QPalette::Light, QPalette::Dark);
    if (lowered_)
        bevel(QPalette::Dark, QPalette::Light);
    if (!caption.isEmpty()) {
        p.setPen(ink);
        p.setFont(font);
        p.drawText(inner, static_cast<int>(align_), caption);
    }
}

// The pointer is over one panel at a time, the innermost: entering a
// child panel leaves its parent, and leaving a child for its parent enters
// the parent again. The toolkit alone would tell the parent neither.
void Tmousepanel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (auto *outer = qobject_cast<Tmousepanel *>(parentWidget()); outer && outer->OnMouseLeave)
        outer->OnMouseLeave(outer);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void Tmousepanel::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (OnMouseLeave)
        OnMouseLeave(this);
    auto *outer = qobject_cast<Tmousepanel *>(parentWidget());
    if (outer && outer->OnMouseEnter && outer->isVisible()
        && outer->rect().contains(outer->mapFromGlobal(QCursor::pos())))
        outer->OnMouseEnter(outer);
}

void Tmousepanel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), event->position().toPoint());
    else
        QWidget::mousePressEvent(event);
}

void Tmousepanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        OnClick(this);
    QWidget::mouseReleaseEvent(event);
}

void Tmousepanel::contextMenuEvent(QContextMenuEvent *event)
{
    // A panel without a menu of its own lets the event travel to its parent,
    // so a right click on a candidate mark opens its cell's menu.
    if (!popup_) {
        event->ignore();
        return;
    }
    if (OnPopup)
        OnPopup(this);
    if (!popup_->isEmpty())
        popup_->exec(event->globalPos());
    event->accept();
}
