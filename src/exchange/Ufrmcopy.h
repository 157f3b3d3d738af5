#pragma once

#include <QDialog>

class GameHost;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTextEdit;

// The copy dialog: the main board as text in one of four layouts, copied
// to the clipboard as plain text.
class Tfrmcopy : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmcopy(GameHost &host, QWidget *parent = nullptr);

    // Builds the "With Candidates" text from the main board and selects it.
    void Prepare();
    // Rebuilds the text in the layout of choice 0..3.
    void ShowLayout(int choice);
    // The choice selected in RadioGroup1.
    int ItemIndex() const;

    QTextEdit *memo1 = nullptr;
    QGroupBox *RadioGroup1 = nullptr;
    QButtonGroup *choices = nullptr;
    QPushButton *Button1 = nullptr; // Copy
    QPushButton *Button2 = nullptr; // Close

protected:
    void showEvent(QShowEvent *event) override;

private:
    GameHost &host_;
};
