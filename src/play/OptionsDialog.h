#pragma once

#include "play/GameOptions.h"

#include <QDialog>

class QCheckBox;
class TPICSD33;

// Tools > Options: one check box per option. A change takes effect at once
// (changed() tells the main window to redraw) and is written to
// "options.ini" in the program directory.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the file and sets the board's clash display from it.
    explicit OptionsDialog(TPICSD33 &board, QWidget *parent = nullptr);

    const options::GameOptions &current() const { return options_; }
    QString path() const;
    QCheckBox *box(int row) const { return boxes_[static_cast<size_t>(row)]; }

signals:
    void changed();

private:
    void toggled(int row, bool on);

    TPICSD33 &board_;
    options::GameOptions options_;
    std::array<QCheckBox *, 4> boxes_{};
};
