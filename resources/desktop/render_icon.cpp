// Renders the application icon as PNG files for the icon theme at build
// time, with the same SVG renderer the game draws its About box with.
//   render_icon SVG SIZE OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fputs("usage: render_icon SVG SIZE OUT.png\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    bool ok = false;
    const int size = QByteArray(argv[2]).toInt(&ok);
    if (!svg.isValid() || !ok || size < 16 || size > 1024) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        svg.setAspectRatioMode(Qt::KeepAspectRatio);
        svg.render(&painter);
    }
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
