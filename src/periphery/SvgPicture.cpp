#include "periphery/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString &file, QWidget *parent)
    : QWidget(parent), renderer_(new QSvgRenderer(file, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
}

bool SvgPicture::isValid() const { return renderer_->isValid(); }

void SvgPicture::paintEvent(QPaintEvent *)
{
    // Drawn as vectors through the painter, which already works in device
    // pixels: no bitmap is scaled.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(rect()));
}
