#pragma once

#include "play/GameOptions.h"
#include "records/BestTimes.h"

#include <QObject>
#include <QString>

#include <array>

class CellGrid;

// The state of play beside the cells, with no window: the options, the
// round of best times, the pause, the level of the game on the board and
// the digits that differ from the solution. Windows show and edit it and
// follow its signals; none of them keeps any of it.
class PlayModel : public QObject {
    Q_OBJECT
public:
    // Reads "options.ini" and "besttimes.dat" from directory, where the
    // changes are written too.
    explicit PlayModel(const QString &directory, QObject *parent = nullptr);

    const options::GameOptions &options() const { return options_; }
    // Sets the option of options::rows()[row] and writes the file; a failed
    // write is said, and the option holds for this run all the same.
    void setOption(int row, bool on);
    QString optionsPath() const;

    // The level of the game on the board: 0..4 a bank level, 5 unknown.
    int level() const { return level_; }
    void setLevel(int level);

    bool paused() const { return paused_; }
    void setPaused(bool paused);

    // The round of best times: what the game on the board did that
    // decides whether its finish counts. fromBank when a level command
    // dealt it.
    void newRound(bool fromBank);
    // A hint or an applied Next Step.
    void hintUsed();
    void solutionShown();
    const besttimes::Round &round() const { return round_; }
    // The game on the board was finished after ms: records the time when it
    // counts and returns what the status bar says.
    QString gameFinished(int ms);

    const besttimes::Tables &bestTimes() const { return tables_; }
    // Reads the file again: another copy of the game may have written it.
    void reloadBestTimes();
    void clearBestTimes();
    QString bestTimesPath() const;

    // True when the digit of cell index (0..80) is shown as differing from
    // the solution.
    bool wrongDigit(int index) const { return wrong_[static_cast<size_t>(index)]; }
    // The placed digits of cells that differ from solution (81 digits,
    // '0' where none is known), or none while that option is off.
    void findWrongDigits(const CellGrid &cells, const QString &solution);

signals:
    void optionsChanged();
    void levelChanged(int level);
    void pausedChanged(bool paused);
    void bestTimesChanged();
    void wrongDigitsChanged();

private:
    void saveBestTimes();

    QString directory_;
    options::GameOptions options_;
    int level_ = 0;
    bool paused_ = false;
    besttimes::Round round_;
    besttimes::Tables tables_;
    std::array<bool, 81> wrong_{};
};
