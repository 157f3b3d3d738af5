// Renders the artwork as PNG at build time, with the same SVG renderer the
// game draws with: the icon theme's sizes, the pictures of a build without
// Qt SVG (at 1x and 2x), and the Windows icon file.
//   render_icon SVG WIDTH[xHEIGHT] OUT.png
//   render_icon --ico OUT.ico SVG SIZE...
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <optional>

namespace {

std::optional<QSize> parseSize(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split('x');
    if (parts.size() > 2)
        return std::nullopt;
    bool okW = false, okH = true;
    const int w = parts[0].toInt(&okW);
    const int h = parts.size() == 2 ? parts[1].toInt(&okH) : w;
    if (!okW || !okH || w < 1 || h < 1 || w > 2048 || h > 2048)
        return std::nullopt;
    return QSize(w, h);
}

QImage render(QSvgRenderer &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    svg.render(&painter);
    return image;
}

// An ICO file whose images are PNG streams, as Windows reads them since Vista.
bool writeIco(QSvgRenderer &svg, const QList<int> &sizes, const QString &out)
{
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!render(svg, QSize(size, size)).save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }
    QByteArray ico(6 + 16 * sizes.size(), '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, ico.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, ico.data() + at); };
    put16(2, 1); // type: icon
    put16(4, static_cast<quint16>(sizes.size()));
    quint32 offset = static_cast<quint32>(ico.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const int at = 6 + 16 * i;
        // A side of 256 is written as 0.
        ico[at] = static_cast<char>(sizes[i] & 0xff);
        ico[at + 1] = static_cast<char>(sizes[i] & 0xff);
        put16(at + 4, 1);  // planes
        put16(at + 6, 32); // bits per pixel
        put32(at + 8, static_cast<quint32>(pngs[i].size()));
        put32(at + 12, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        ico += png;
    QFile file(out);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.flush();
}

int usage()
{
    std::fputs("usage: render_icon SVG WIDTH[xHEIGHT] OUT.png\n"
               "       render_icon --ico OUT.ico SVG SIZE...\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 4 && args[0] == QLatin1String("--ico")) {
        QSvgRenderer svg(args[2]);
        QList<int> sizes;
        for (const QString &arg : args.mid(3)) {
            const std::optional<QSize> size = parseSize(arg.toLatin1());
            if (!size || size->width() != size->height() || size->width() > 256)
                return usage();
            sizes.append(size->width());
        }
        if (!svg.isValid() || !writeIco(svg, sizes, args[1])) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        return 0;
    }
    if (args.size() != 3)
        return usage();
    QSvgRenderer svg(args[0]);
    const std::optional<QSize> size = parseSize(args[1].toLatin1());
    if (!svg.isValid() || !size) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s\n", qPrintable(args[0]), qPrintable(args[1]));
        return 1;
    }
    return render(svg, *size).save(args[2], "PNG") ? 0 : 1;
}
