#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
class TPICSD33;

// The import dialog: free text in any of the four layouts, read onto the
// board of the create-or-import window. Created once; keeps its text.
class TfrmImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmImport(QWidget *parent = nullptr);

    // Shows the dialog modally; "OK" reads the text onto target and closes
    // it, or says "Invalid format." and keeps it open with the text.
    void ImportInto(TPICSD33 *target);

    // Reads memo2 onto target (the "OK" button's work, without closing).
    // False, after "Invalid format.", when the text reads as no layout.
    bool ReadInto(TPICSD33 *target);
    // The four sample buttons: text and hint.
    void ShowExample(int n);

    QTextEdit *memo2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Example[5] = {}; // Example[1]..Example[4]
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    static const char *const kHint1;
    // The most characters memo2 takes, far beyond the longest text the copy
    // dialog writes (about 1.3 KB). A paste beyond it is refused with a
    // report.
    static constexpr qsizetype kMaxText = 32 * 1024;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TPICSD33 *target_ = nullptr;
};
