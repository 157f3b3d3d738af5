#include "board/DigitStrings.h"

QString AddDigits(const QString &a, const QString &b)
{
    QString out;
    for (char16_t d = u'1'; d <= u'9'; ++d)
        if (a.contains(QChar(d)) || b.contains(QChar(d)))
            out.append(QChar(d));
    return out;
}

QString RemoveDigit(const QString &s, const QString &t)
{
    if (t.isEmpty())
        return s;
    const qsizetype at = s.indexOf(t);
    if (at < 0)
        return s;
    QString out = s;
    out.remove(at, t.size());
    return out;
}

QString DeleteDigits(const QString &s, const QString &t)
{
    QString out = s;
    for (qsizetype i = t.size() - 1; i >= 0; --i) {
        const qsizetype at = out.indexOf(t.at(i));
        if (at >= 0)
            out.remove(at, 1);
    }
    return out;
}
