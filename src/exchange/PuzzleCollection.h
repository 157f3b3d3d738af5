#pragma once

#include "exchange/PuzzleFile.h"

#include <QAbstractTableModel>

#include <vector>

// The puzzles of a collection as the picker lists them: number, givens,
// level and title, one row a puzzle. A puzzle is graded only when its row
// is shown, filtered or played next, so a file of 100,000 puzzles opens at
// once. With a level chosen, the rows are the puzzles of that level graded
// so far; gradeMore() grades on in file order and adds the rows it finds.
// Window-free.
class PuzzleCollection : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Givens, Level, Title, ColumnCount };

    // What the grader or, for a puzzle without one solution, the check says.
    enum Kind : qint8 {
        Ungraded = -1,
        // 0..4: the levels of the bank (levels::kNames)
        Beyond = 5,      // the grader's techniques run out
        NotUnique = 6,   // several solutions
        NotSolvable = 7, // clashing givens or no solution
        KindCount = 8
    };
    static constexpr int kAll = -1; // the filter that shows every puzzle

    explicit PuzzleCollection(QList<puzzlefile::Puzzle> puzzles, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The puzzles in file order; "index" below is a place in this list.
    const QList<puzzlefile::Puzzle> &puzzles() const { return puzzles_; }
    // The puzzle's kind, graded now when it was not yet.
    Kind kind(int index) const;
    int gradedCount() const { return graded_; }
    // The words the level column and the filter show for a kind.
    static QString kindName(int kind);

    // kAll or a Kind: the rows become the puzzles of that kind graded so far.
    void setFilter(int kind);
    int filter() const { return filter_; }
    // Grades up to count more puzzles in file order, adding the rows of the
    // filter's kind it finds. False once every puzzle is graded.
    bool gradeMore(int count);

    // The puzzle a row shows, and the row showing a puzzle (-1: none).
    int indexAt(int row) const;
    int rowOf(int index) const;
    // The next puzzle after index that the filter shows, grading on as far
    // as needed; -1 when there is none.
    int next(int index);
    // Whether next(index) may find one, without grading: the menu asks this
    // each time it opens, so it must not grade a large file on the spot.
    bool mayHaveNext(int index) const;

private:
    void addRow(int index);

    QList<puzzlefile::Puzzle> puzzles_;
    mutable std::vector<Kind> kinds_;
    mutable int graded_ = 0;
    int cursor_ = 0;        // every puzzle before it is graded
    int filter_ = kAll;
    std::vector<int> rows_; // with a filter: the puzzles shown, in file order
};
