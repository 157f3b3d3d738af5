#include "game/Icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icons live in a static library: make sure the linker keeps them.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

QIcon loadIcon(const QString &name)
{
    static const bool once = (initIconResources(), true);
    (void)once;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QIcon icon;
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
    return icon;
}
