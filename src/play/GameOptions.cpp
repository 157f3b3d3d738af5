#include "play/GameOptions.h"

#include "base/AtomicTextFile.h"

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

namespace {
GameOptions parseLines(const QStringList &lines)
{
    GameOptions o;
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        for (const Row &row : rows())
            if (key == QLatin1String(row.key) && (value == QLatin1String("0") || value == QLatin1String("1")))
                o.*row.field = value == QLatin1String("1");
    }
    return o;
}

QStringList lines(const GameOptions &o)
{
    QStringList out{QStringLiteral("[Options]")};
    for (const Row &row : rows())
        out << QString::fromLatin1(row.key) + (o.*row.field ? QStringLiteral("=1") : QStringLiteral("=0"));
    return out;
}
} // namespace

GameOptions parse(const QByteArray &text) { return parseLines(atomictext::decode(text)); }

QByteArray format(const GameOptions &o) { return atomictext::encode(lines(o)); }

GameOptions load(const QString &path)
{
    const std::optional<QStringList> read = atomictext::readLines(path, kMaxBytes);
    return read ? parseLines(*read) : GameOptions{};
}

bool save(const QString &path, const GameOptions &o, QString *error) { return atomictext::writeLines(path, lines(o), error); }

} // namespace options
