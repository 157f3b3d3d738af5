#pragma once

#include <QIcon>
#include <QString>

// A tool-bar icon drawn from resources/icons/<name>.svg at 16 and 32 pixels
// (rendered so at build time where Qt SVG is missing).
QIcon loadIcon(const QString &name);
