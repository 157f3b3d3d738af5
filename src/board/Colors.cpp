#include "board/Colors.h"

#include <QGuiApplication>
#include <QPalette>

QColor toQColor(TColor c)
{
    if (c >= 0)
        return QColor(clr::red(c), clr::green(c), clr::blue(c));
    if (c == clr::BtnFace)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor(Qt::black);
}
