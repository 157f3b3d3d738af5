#pragma once

#include <QIcon>
#include <QWidget>

class QSvgRenderer;

// The resource path of a picture of the game's artwork, "icons/hint" or
// "about/logo": its SVG file, or in a build without Qt SVG the PNG rendered
// at build time (with an @2x twin that QIcon picks for high-DPI screens).
QString artworkFile(const QString &name);

// A transparent picture of the artwork drawn at the widget's size: from the
// SVG as vectors, so it stays sharp at any device pixel ratio, or from the
// PNG closest to the screen's pixel ratio.
class Picture final : public QWidget {
public:
    Picture(const QString &name, QWidget *parent = nullptr);
    // False when the file could not be read; the picture then stays empty.
    bool isValid() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer_ = nullptr;
    QIcon raster_;
};
