#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The multiple solutions viewer: two solutions of one puzzle as plain text.
class TFrmdas : public QDialog {
    Q_OBJECT

public:
    explicit TFrmdas(QWidget *parent = nullptr);

    // Replaces the whole text with "Solution 1:", nine rows of the first
    // string, two empty lines, "Solution 2:" and nine rows of the second.
    void Fill(const QString &first, const QString &second);

    // Fills and shows the viewer modally.
    void ShowSolutions(const QString &first, const QString &second);

    static QString SolutionsText(const QString &first, const QString &second);

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
