#include "base/Digits.h"

namespace {

// Messages quote the character that failed. A control character would cut
// the message at a NUL (what() is a C string) or garble a terminal, so it
// is shown escaped: "\x00".
std::string printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(int(ch.unicode()), 2, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out.toStdString();
}

} // namespace

ConvertError::ConvertError(const QString &text) : std::runtime_error(printable(text)) {}

int digitValue(QChar c)
{
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(c));
    return c.unicode() - '0';
}
