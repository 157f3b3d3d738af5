#include "records/BestTimes.h"

#include "base/AtomicTextFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace besttimes {

namespace {

// Five levels of ten lines take well under a kilobyte; a damaged file is
// searched for entries this far.
constexpr qint64 kMaxBytes = 1024 * 1024;
// A hundred hours: no game runs longer, and an hour count stays sane.
constexpr int kMaxMs = 100 * 3600 * 1000;
const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

bool valid(const Entry &e) { return e.ms >= 0 && e.ms <= kMaxMs && e.hints >= 0 && e.hints <= kMaxHints && e.when.isValid(); }

} // namespace

int Tables::add(int lvl, const Entry &entry)
{
    if (lvl < 0 || lvl >= kLevels || !valid(entry))
        return -1;
    QList<Entry> &list = level[static_cast<size_t>(lvl)];
    // Help makes a time no match for one made alone.
    const auto rank = [](const Entry &e) { return std::pair(e.hints > 0, e.ms); };
    const auto at = std::upper_bound(list.begin(), list.end(), entry,
                                     [&](const Entry &a, const Entry &b) { return rank(a) < rank(b); });
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

Tables fromLines(const QStringList &lines, qsizetype *skipped)
{
    Tables t;
    qsizetype bad = 0;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '));
        bool okLevel = false, okMs = false, okHints = false;
        int lvl = -1;
        Entry e;
        if (f.size() == 4) {
            lvl = f[0].toInt(&okLevel);
            e.ms = f[1].toInt(&okMs);
            e.when = QDateTime::fromString(f[2], kDateFormat);
            e.hints = f[3].toInt(&okHints);
        }
        if (okLevel && okMs && okHints && lvl >= 0 && lvl < kLevels && valid(e))
            t.add(lvl, e);
        else
            ++bad;
    }
    if (skipped)
        *skipped = bad;
    return t;
}

Contents read(const QString &path)
{
    const std::optional<atomictext::Head> head = atomictext::readHead(path, kMaxBytes);
    if (!head)
        return {};
    qsizetype skipped = 0;
    Contents c{fromLines(head->lines, &skipped), false};
    c.damaged = skipped > 0 || !head->whole;
    return c;
}

Tables load(const QString &path) { return read(path).tables; }

bool save(const QString &path, const Tables &t, QString *error)
{
    if (read(path).damaged) {
        // Whatever could not be read stays beside the file, for the player.
        const QString bad = path + QStringLiteral(".bad");
        const QFileInfo old(bad);
        if (old.isFile() && !old.isSymLink())
            QFile::remove(bad);
        QFile damaged(path);
        if (!damaged.copy(bad)) {
            if (error)
                *error = QStringLiteral("the damaged file could not be kept as \"%1\" (%2)")
                             .arg(old.fileName(), damaged.errorString());
            return false;
        }
    }
    return atomictext::writeLines(path, toLines(t), error);
}

bool counts(const Round &r, int level) { return r.fromBank && !r.solutionShown && !r.finished && level >= 0 && level < kLevels; }

} // namespace besttimes
