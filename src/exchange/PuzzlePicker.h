#pragma once

#include "exchange/PuzzleFile.h"

#include <QDialog>

class QListView;

// The choice of one puzzle of a collection: each with its number, its
// givens count and its title; Play (or a double click) takes the one
// chosen. The list is drawn as it scrolls, so a file of many thousands
// opens at once.
class PuzzlePicker : public QDialog {
    Q_OBJECT
public:
    PuzzlePicker(const QList<puzzlefile::Puzzle> &puzzles, const QString &fileName, QWidget *parent = nullptr);

    QListView *list = nullptr;
    // The row chosen, or -1.
    int chosen() const;
    void choose(int row);
};
