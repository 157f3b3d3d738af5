#pragma once

#include "base/TColor.h"

#include <QString>
#include <QStringList>

#include <optional>

// The appearance settings as the lines of "vorel.ini": entries are
// key=value, section lines are written but never read. The file is the
// buffer saved verbatim.
class SettingsBuffer {
public:
    static constexpr const char *kFileName = "vorel.ini";
    // No settings file the dialog writes comes near this; anything larger
    // is not a settings file and is read as unreadable.
    static constexpr qint64 kMaxFileSize = 1 << 20;

    QStringList lines;

    // The value of the first line containing key + "=", taken at the
    // key's length + 1 from the line's start, at most the key's length
    // long, blanks trimmed; empty when no line matches.
    QString ReadKey(const QString &key) const;
    // 1-based number of that line, 0 when none.
    int FindKey(const QString &key) const;
    // Replaces that line by key=value, or appends it.
    void WriteKey(const QString &key, const QString &value);
    // The colour stored under key: a signed decimal 32-bit integer, or
    // nothing when the entry is missing or malformed.
    std::optional<TColor> ReadColor(const QString &key) const;

    // The 14 lines of the default file.
    void FillDefaults();

    // Reads "vorel.ini" in dir (with its trailing separator); false, with
    // the lines untouched, when it cannot be read.
    bool Load(const QString &dir);
    // Replaces "vorel.ini" in dir; false, with the reason in error, when it
    // cannot be written or is, or leads to, anything but a regular file.
    bool Save(const QString &dir, QString *error = nullptr) const;

    static QString FilePath(const QString &dir);
    // Single-byte text, CR LF after every line.
    static QByteArray Encode(const QStringList &lines);
    // A line ends at CR, LF or CR LF; a final line break adds no line.
    static QStringList Decode(const QByteArray &bytes);
    static std::optional<TColor> ParseColor(const QString &text);
};
