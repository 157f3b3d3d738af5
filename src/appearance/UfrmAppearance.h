#pragma once

#include "appearance/SettingsBuffer.h"
#include "base/TColor.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPICSD33;
class Tmousepanel;

// The appearance dialog: the board's box, digit and highlight colours,
// each group built-in or custom, with a preview board. The choices live in
// "vorel.ini" in the program's directory, together with the main window's
// "Auto Check New Version" flag.
class TfrmAppearance : public QDialog {
    Q_OBJECT
public:
    // Creation reads the settings and applies them to the preview and to
    // mainBoard, and sets autoCheck from them.
    TfrmAppearance(TPICSD33 &mainBoard, QAction &autoCheck, QWidget *parent = nullptr);

    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
    Tmousepanel *Panel1, *Panel2;             // box backgrounds
    Tmousepanel *fpanel1, *fpanel2, *fpanel3; // fixed, big number, candidate
    Tmousepanel *highpanle;                   // highlight
    TPICSD33 *sd1;
    QPushButton *Button3; // Default
    QPushButton *Button1; // OK
    QPushButton *Button2; // Cancel
    QPushButton *Button4; // Show Memo
    QPlainTextEdit *Memo1;

    const SettingsBuffer &buffer() const { return SettingsBuffer_; }
    QString programDirectory() const { return dir_; }

    void FillPreview();
    QString ReadKey(const QString &key) const { return SettingsBuffer_.ReadKey(key); }
    int FindKey(const QString &key) const { return SettingsBuffer_.FindKey(key); }
    void WriteKey(const QString &key, const QString &value);
    // False when the file could not be written. The first failure of a run
    // of failures is reported with its reason; the next ones are not, so a
    // file that can never be written says so once, not at every save.
    bool SaveSettings();
    void WriteDefaults();
    void LoadSettings(TPICSD33 &board);
    void StoreBoardColors();
    void StoreFontColors();
    void StoreHighlightColor();
    void ApplyBoardColors(TPICSD33 &board);
    void ApplyFontColors(TPICSD33 &board);
    void ApplyHighlightColor(TPICSD33 &board);
    void PreviewHighlight();

    // The main window's close: the flag of its menu item into the file. An
    // open dialog is cancelled first, so only confirmed colours are saved.
    void SaveAutoCheck(bool on);

    // Events.
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void Panel1Click(QObject *sender);    // Panel1, Panel2
    void fpanel1Click(QObject *sender);   // fpanel1..3
    void highpanleClick(QObject *sender);
    void Panel1MouseEnter(QObject *sender); // every swatch
    void Panel1MouseLeave(QObject *sender);
    void Button3Click(); // Default
    void Button1Click(); // OK
    void Button2Click(); // Cancel
    void Button4Click(); // Show Memo

    // Cancel, Escape and the close button all discard the dialog's changes.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The controls of a group, top to bottom: y is the top of the next row.
    QGroupBox *group(const char *name, const QString &title, int top);
    QCheckBox *defaultBox(QWidget *group, const char *name, int &y);
    // A swatch for a board role under its caption: its colour, and the
    // role's built-in colour that the board draws when the colour is no RGB
    // colour.
    Tmousepanel *swatch(QWidget *group, const char *name, const QString &label, int &y, TColor color, TColor builtIn);
    // Sets a check box as a click would: its click event runs on a change.
    void setChecked(QCheckBox *box, bool on, void (TfrmAppearance::*click)());
    // Steps of LoadSettings after reading the file; false on a missing or
    // malformed colour.
    bool applyBuffer(TPICSD33 &board);
    bool pickColor(QObject *sender);
    void syncMemo();

    TPICSD33 &mainBoard_;
    QAction &autoCheck_;
    QString dir_;
    SettingsBuffer SettingsBuffer_;
    bool saveFailed_ = false;
};
