#pragma once

#include "records/BestTimes.h"

#include <QDialog>

class QTabWidget;

// Tools > Best Times: the ten best times of each level, kept in
// "besttimes.dat" in the program directory. The main window tells it what
// happens to the game on the board, so it knows whether a finish counts.
class BestTimesDialog : public QDialog {
    Q_OBJECT
public:
    explicit BestTimesDialog(QWidget *parent = nullptr);

    // A puzzle was put on the board; fromBank when a level command dealt it.
    void NewRound(bool fromBank);
    void HintUsed();
    void SolutionShown();
    // The game on the board was finished at level after ms: records the
    // time when it counts and returns what the status bar says.
    QString GameFinished(int level, int ms);
    // Asks, then empties every table.
    void ClearClick();

    const besttimes::Tables &tables() const { return tables_; }
    const besttimes::Round &round() const { return round_; }
    QString path() const;
    QTabWidget *tabs() const { return tabs_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void save();

    besttimes::Tables tables_;
    besttimes::Round round_;
    QTabWidget *tabs_;
};
