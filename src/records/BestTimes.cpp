#include "records/BestTimes.h"

#include "records/GameRecordFile.h"

#include <QFileInfo>

#include <algorithm>

namespace besttimes {

namespace {

// Five levels of ten lines take well under a kilobyte.
constexpr qint64 kMaxBytes = 64 * 1024;
// A hundred hours: no game runs longer, and an hour count stays sane.
constexpr int kMaxMs = 100 * 3600 * 1000;
const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

bool valid(const Entry &e) { return e.ms >= 0 && e.ms <= kMaxMs && e.hints >= 0 && e.hints <= 81 && e.when.isValid(); }

} // namespace

int Tables::add(int lvl, const Entry &entry)
{
    if (lvl < 0 || lvl >= kLevels || !valid(entry))
        return -1;
    QList<Entry> &list = level[static_cast<size_t>(lvl)];
    const auto at = std::upper_bound(list.begin(), list.end(), entry,
                                     [](const Entry &a, const Entry &b) { return a.ms < b.ms; });
    const int place = static_cast<int>(at - list.begin());
    if (place >= kKept)
        return -1;
    list.insert(place, entry);
    while (list.size() > kKept)
        list.removeLast();
    return place;
}

QStringList toLines(const Tables &t)
{
    QStringList out;
    for (int lvl = 0; lvl < kLevels; ++lvl)
        for (const Entry &e : t.level[static_cast<size_t>(lvl)])
            out << QStringLiteral("%1 %2 %3 %4").arg(lvl).arg(e.ms).arg(e.when.toString(kDateFormat)).arg(e.hints);
    return out;
}

Tables fromLines(const QStringList &lines)
{
    Tables t;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.size() != 4)
            continue;
        bool okLevel = false, okMs = false, okHints = false;
        const int lvl = f[0].toInt(&okLevel);
        Entry e;
        e.ms = f[1].toInt(&okMs);
        e.when = QDateTime::fromString(f[2], kDateFormat);
        e.hints = f[3].toInt(&okHints);
        if (okLevel && okMs && okHints)
            t.add(lvl, e);
    }
    return t;
}

Tables load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes)
        return {};
    const std::optional<QStringList> lines = gamerecord::readLines(path);
    return lines ? fromLines(*lines) : Tables{};
}

bool save(const QString &path, const Tables &t, QString *error) { return gamerecord::writeLines(path, toLines(t), error); }

bool counts(const Round &r, int level) { return r.fromBank && !r.solutionShown && !r.finished && level >= 0 && level < kLevels; }

} // namespace besttimes
