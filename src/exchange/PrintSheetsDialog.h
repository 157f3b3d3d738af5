#pragma once

#include "exchange/PuzzleSheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;
class Tfrmtk;

// File > Print Puzzles: a sheet of puzzles dealt from the bank (with the
// disguise of a new game), printed or saved as PDF. The Printable Board
// of the game on the board stays as it is.
class PrintSheetsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSheetsDialog(const Tfrmtk &bank, QWidget *parent = nullptr);

    // The level chosen: 0..4, or kOneOfEach.
    static constexpr int kOneOfEach = 5;

    // The count One of each sets: count rounded up to whole rounds of the
    // five levels, as many as a sheet takes (5 or 10).
    static int roundsOfEach(int count);

    // Deals count puzzles of level (kOneOfEach: the levels in turn).
    QList<sheet::Puzzle> Deal(int level, int count) const;
    sheet::Layout chosenLayout() const;

    void PrintClick();
    void SavePdfClick();

    QComboBox *level() const { return level_; }
    QSpinBox *count() const { return count_; }
    QComboBox *perPage() const { return perPage_; }
    QCheckBox *solutions() const { return solutions_; }

private:
    QList<sheet::Puzzle> dealChosen() const;

    const Tfrmtk &bank_;
    QComboBox *level_;
    QSpinBox *count_;
    QComboBox *perPage_;
    QCheckBox *solutions_;
};
