#pragma once

#include "base/TColor.h"

#include <QColor>

// The one place where a stored colour becomes something drawable.
// System colours (0xFF0000nn) take the application palette's matching
// role; any other negative value, such as -1 from a hand-edited settings
// file, draws as black, as the platform resolves an unknown system colour.
QColor toQColor(TColor c);
