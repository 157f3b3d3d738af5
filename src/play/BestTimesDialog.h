#pragma once

#include <QDialog>

class PlayModel;
class QTabWidget;

// Tools > Best Times: the ten best times of each level as the play model
// holds them, with the hints each finish used.
class BestTimesDialog : public QDialog {
    Q_OBJECT
public:
    explicit BestTimesDialog(PlayModel &play, QWidget *parent = nullptr);

    // Asks, then empties every table.
    void ClearClick();

    QTabWidget *tabs() const { return tabs_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();

    PlayModel &play_;
    QTabWidget *tabs_;
};
