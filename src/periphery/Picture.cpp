#include "periphery/Picture.h"

#include <QPainter>
#ifdef NODALA_HAVE_SVG
#include <QSvgRenderer>
#endif

QString artworkFile(const QString &name)
{
    return QStringLiteral(":/%1." NODALA_ARTWORK_SUFFIX).arg(name);
}

Picture::Picture(const QString &name, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
#ifdef NODALA_HAVE_SVG
    renderer_ = new QSvgRenderer(artworkFile(name), this);
#else
    raster_.addFile(artworkFile(name));
#endif
}

bool Picture::isValid() const
{
#ifdef NODALA_HAVE_SVG
    return renderer_->isValid();
#else
    return !raster_.availableSizes().isEmpty();
#endif
}

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
#ifdef NODALA_HAVE_SVG
    // The painter already works in device pixels: no bitmap is scaled.
    renderer_->render(&painter, QRectF(rect()));
#else
    painter.drawPixmap(rect(), raster_.pixmap(size(), devicePixelRatioF()));
#endif
}
