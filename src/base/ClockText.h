#pragma once

#include <QString>

// An elapsed time of whole seconds as "h:m:s", without leading zeros;
// hours are not wrapped: 65 s is "0:1:5".
inline QString clockText(int seconds)
{
    const int h = seconds / 3600, m = (seconds % 3600) / 60, s = seconds % 60;
    return QStringLiteral("%1:%2:%3").arg(h).arg(m).arg(s);
}
