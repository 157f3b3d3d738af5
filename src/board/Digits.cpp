#include "board/Digits.h"

ConvertError::ConvertError(const QString &text) : std::runtime_error(text.toStdString()) {}

int digitValue(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(c));
    return c.unicode() - '0';
}
