#include "appearance/SettingsBuffer.h"

#include "base/AtomicTextFile.h"
#include "base/TextLines.h"

#include <cstdint>

int SettingsBuffer::FindKey(const QString &key) const
{
    const QString entry = key + QLatin1Char('=');
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(entry))
            return static_cast<int>(i + 1);
    return 0;
}

QString SettingsBuffer::ReadKey(const QString &key) const
{
    const int n = FindKey(key);
    if (n == 0)
        return QString();
    // Counted from the line's start, wherever the key was found.
    const QString &line = lines.at(n - 1);
    const qsizetype from = key.size() + 1;
    if (from >= line.size())
        return QString();
    return textlines::trimBlanks(line.mid(from, key.size()));
}

void SettingsBuffer::WriteKey(const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    if (const int n = FindKey(key))
        lines[n - 1] = line;
    else
        lines.append(line);
}

std::optional<TColor> SettingsBuffer::ReadColor(const QString &key) const
{
    return ParseColor(ReadKey(key));
}

void SettingsBuffer::FillDefaults()
{
    lines.clear();
    lines.append(QStringLiteral("[Board background]"));
    WriteKey(QStringLiteral("default color"), QStringLiteral("1"));
    WriteKey(QStringLiteral("Board color1"), QStringLiteral("16777215"));
    WriteKey(QStringLiteral("Board color2"), QStringLiteral("13948116"));
    lines.append(QStringLiteral("[Font color]"));
    WriteKey(QStringLiteral("default font"), QStringLiteral("1"));
    WriteKey(QStringLiteral("Fixed Number color"), QStringLiteral("6250335"));
    WriteKey(QStringLiteral("Big Number color"), QStringLiteral("-1"));
    WriteKey(QStringLiteral("Candidate color"), QStringLiteral("-1"));
    lines.append(QStringLiteral("[High Light color]"));
    WriteKey(QStringLiteral("default highlight color"), QStringLiteral("1"));
    WriteKey(QStringLiteral("highlight_color"), QStringLiteral("9938691"));
    lines.append(QStringLiteral("[Auto Check New version]"));
    WriteKey(QStringLiteral("Auto_check"), QStringLiteral("1"));
}

QString SettingsBuffer::FilePath(const QString &dir) { return dir + QLatin1String(kFileName); }

bool SettingsBuffer::Load(const QString &dir)
{
    std::optional<QStringList> read = atomictext::readLines(FilePath(dir), kMaxFileSize);
    if (!read)
        return false;
    lines = std::move(*read);
    return true;
}

bool SettingsBuffer::Save(const QString &dir, QString *error) const { return atomictext::writeLines(FilePath(dir), lines, error); }

QByteArray SettingsBuffer::Encode(const QStringList &lines) { return atomictext::encode(lines); }

QStringList SettingsBuffer::Decode(const QByteArray &bytes) { return atomictext::decode(bytes); }

std::optional<TColor> SettingsBuffer::ParseColor(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    if (i == text.size())
        return std::nullopt;
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        // Stop before the accumulator could overflow on a long digit run.
        if (magnitude > qint64(1) << 31)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<TColor>(value);
}
