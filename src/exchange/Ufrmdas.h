#pragma once

#include <QDialog>
#include <QList>

class QPlainTextEdit;
class QPushButton;

// The multiple solutions viewer: two solutions of one puzzle as plain text.
class TFrmdas : public QDialog {
    Q_OBJECT

public:
    explicit TFrmdas(QWidget *parent = nullptr);

    // Replaces the whole text with "Solution 1:", nine rows of the first
    // string, two empty lines, "Solution 2:" and nine rows of the second,
    // and marks the digits of the cells where the two differ in both.
    void Fill(const QString &first, const QString &second);

    // The cells (0..80, board order) where first and second differ.
    static QList<int> DifferingCells(const QString &first, const QString &second);
    // The lines of the text that hold the first row of each solution.
    static constexpr int kFirstRows = 1;
    static constexpr int kSecondRows = 13;

    // Fills and shows the viewer modally.
    void ShowSolutions(const QString &first, const QString &second);

    static QString SolutionsText(const QString &first, const QString &second);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
