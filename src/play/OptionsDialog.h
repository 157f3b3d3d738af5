#pragma once

#include <QDialog>

#include <array>

class PlayModel;
class QCheckBox;

// Tools > Options: one check box per option of the play model, which
// takes each change at once and keeps it in "options.ini".
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(PlayModel &play, QWidget *parent = nullptr);

    QCheckBox *box(int row) const { return boxes_[static_cast<size_t>(row)]; }

private:
    void showOptions();

    PlayModel &play_;
    std::array<QCheckBox *, 4> boxes_{};
};
