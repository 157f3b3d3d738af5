#include "play/GameOptions.h"

#include "base/TextLines.h"
#include "records/GameRecordFile.h"

#include <QFile>
#include <QFileInfo>

namespace options {

namespace {
// Far more than the four lines of a real file.
constexpr qint64 kMaxBytes = 64 * 1024;
} // namespace

const std::array<Row, 4> &rows()
{
    static const std::array<Row, 4> kRows{{
        {"EveryClash", "Show every clashing cell", &GameOptions::everyClash},
        {"WrongDigits", "Show digits that differ from the solution", &GameOptions::wrongDigits},
        {"AskNewGame", "Ask before a new game replaces a game in progress", &GameOptions::askNewGame},
        {"PauseMinimised", "Pause while the window is minimised", &GameOptions::pauseMinimised},
    }};
    return kRows;
}

GameOptions parse(const QByteArray &text)
{
    GameOptions o;
    textlines::forEachLine(text.constData(), text.constData() + text.size(), [&](const char *first, const char *last) {
        const QString line = QString::fromLatin1(first, last - first);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            return;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        for (const Row &row : rows())
            if (key == QLatin1String(row.key) && (value == QLatin1String("0") || value == QLatin1String("1")))
                o.*row.field = value == QLatin1String("1");
    });
    return o;
}

namespace {
QStringList lines(const GameOptions &o)
{
    QStringList out{QStringLiteral("[Options]")};
    for (const Row &row : rows())
        out << QString::fromLatin1(row.key) + (o.*row.field ? QStringLiteral("=1") : QStringLiteral("=0"));
    return out;
}
} // namespace

QByteArray format(const GameOptions &o) { return (lines(o).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1(); }

GameOptions load(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(kMaxBytes));
}

bool save(const QString &path, const GameOptions &o, QString *error)
{
    return gamerecord::writeLines(path, lines(o), error);
}

} // namespace options
