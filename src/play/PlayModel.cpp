#include "play/PlayModel.h"

#include "base/ClockText.h"
#include "board/CellData.h"
#include "periphery/Seams.h"
#include "puzzle/Levels.h"

#include <QDateTime>
#include <QDir>

#include <algorithm>

namespace {
QString clock(int ms) { return clockText(ms / 1000); }
} // namespace

PlayModel::PlayModel(const QString &directory, QObject *parent) : QObject(parent), directory_(directory)
{
    options_ = options::load(optionsPath());
    tables_ = besttimes::load(bestTimesPath());
}

QString PlayModel::optionsPath() const { return QDir(directory_).filePath(QString::fromLatin1(options::kFileName)); }

QString PlayModel::bestTimesPath() const { return QDir(directory_).filePath(QString::fromLatin1(besttimes::kFileName)); }

void PlayModel::setOption(int row, bool on)
{
    bool &field = options_.*options::rows()[static_cast<size_t>(row)].field;
    if (field == on)
        return;
    field = on;
    emit optionsChanged();
    QString error;
    if (!options::save(optionsPath(), options_, &error))
        seams::messages().report(QStringLiteral("The options could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(optionsPath()), error));
}

void PlayModel::setLevel(int level)
{
    if (level == level_)
        return;
    level_ = level;
    emit levelChanged(level);
}

void PlayModel::setPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    emit pausedChanged(paused);
}

void PlayModel::newRound(bool fromBank)
{
    round_ = besttimes::Round{.fromBank = fromBank, .solutionShown = false, .hints = 0, .finished = false};
}

void PlayModel::hintUsed() { ++round_.hints; }

void PlayModel::solutionShown() { round_.solutionShown = true; }

QString PlayModel::gameFinished(int ms)
{
    const QString solved = QStringLiteral("Solved in %1").arg(clock(ms));
    if (!besttimes::counts(round_, level_))
        return solved + QStringLiteral(".");
    round_.finished = true;
    reloadBestTimes();
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    // The file keeps no more hints than a board has cells.
    const int hints = std::min(round_.hints, besttimes::kMaxHints);
    const int place = tables_.add(level_, {.ms = ms, .when = now, .hints = hints});
    if (place >= 0) {
        saveBestTimes();
        emit bestTimesChanged();
    }
    const QString name = QString::fromLatin1(levels::kNames[level_]);
    if (place == 0)
        return solved + QStringLiteral(": a new best time for %1!").arg(name);
    const QString best = clock(tables_.level[static_cast<size_t>(level_)].first().ms);
    if (place > 0)
        return solved + QStringLiteral(": number %1 of the best times for %2 (best %3).").arg(place + 1).arg(name, best);
    return solved + QStringLiteral(". The best time for %1 is %2.").arg(name, best);
}

void PlayModel::reloadBestTimes()
{
    const besttimes::Tables read = besttimes::load(bestTimesPath());
    if (read == tables_)
        return;
    tables_ = read;
    emit bestTimesChanged();
}

void PlayModel::clearBestTimes()
{
    tables_ = {};
    saveBestTimes();
    emit bestTimesChanged();
}

void PlayModel::saveBestTimes()
{
    QString error;
    if (!besttimes::save(bestTimesPath(), tables_, &error))
        seams::messages().report(QStringLiteral("The best times could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(bestTimesPath()), error));
}

void PlayModel::findWrongDigits(const CellGrid &cells, const QString &solution)
{
    std::array<bool, 81> wrong{};
    if (options_.wrongDigits && solution.size() == 81)
        for (int i = 0; i < 81; ++i) {
            const QString &value = cells[i].value;
            const QChar s = solution.at(i);
            wrong[static_cast<size_t>(i)] = value.size() == 1 && s != QLatin1Char('0') && value.at(0) != s;
        }
    if (wrong == wrong_)
        return;
    wrong_ = wrong;
    emit wrongDigitsChanged();
}
