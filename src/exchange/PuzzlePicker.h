#pragma once

#include <QDialog>
#include <QTimer>

class PuzzleCollection;
class QComboBox;
class QLabel;
class QTableView;

// The choice of one puzzle of a collection: each with its number, givens
// count, level and title, a filter by level; Play (or a double click)
// takes the one chosen. Only the rows in view are graded; with a level
// chosen, the rest are graded a slice at a time while the window waits.
class PuzzlePicker : public QDialog {
    Q_OBJECT
public:
    PuzzlePicker(PuzzleCollection &collection, const QString &fileName, QWidget *parent = nullptr);

    QTableView *table = nullptr;
    QComboBox *levelFilter = nullptr; // kAll, then each kind
    QLabel *progress = nullptr;
    // The puzzle chosen (its place in the file), or -1.
    int chosen() const;
    void choose(int index);

private:
    void filterChosen();
    void gradeSlice();
    void showProgress();

    PuzzleCollection &collection_;
    QTimer grading_;
};
