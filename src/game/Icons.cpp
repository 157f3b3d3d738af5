#include "game/Icons.h"

#include "periphery/Picture.h"

#include <QPainter>
#include <QPixmap>
#ifdef NODALA_HAVE_SVG
#include <QSvgRenderer>
#endif

// The icons live in a static library: make sure the linker keeps them.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

QIcon loadIcon(const QString &name)
{
    static const bool once = (initIconResources(), true);
    (void)once;
    const QString file = artworkFile(QStringLiteral("icons/") + name);
    QIcon icon;
#ifdef NODALA_HAVE_SVG
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        return icon;
    for (int size : {16, 32}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        renderer.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
#else
    icon.addFile(file); // and its @2x twin
#endif
    return icon;
}
