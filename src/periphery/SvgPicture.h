#pragma once

#include <QWidget>

class QSvgRenderer;

// A transparent picture drawn from an SVG file at the widget's size, so it
// stays sharp at any device pixel ratio.
class SvgPicture final : public QWidget {
public:
    SvgPicture(const QString &file, QWidget *parent = nullptr);
    // False when the file could not be read; the picture then stays empty.
    bool isValid() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *renderer_;
};
