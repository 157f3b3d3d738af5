#pragma once

#include <QDialog>
#include <QString>

class GameHost;
class QObject;
class QPushButton;
class TPICSD33;
class Tfrm_sol;
class TfrmImport;
class TFrmdas;

// The create-or-import window: the player's own puzzle on a board of its
// own, built by clicks, imported as text or taken from the main board,
// checked by the solver and handed to the main window as a new game.
class Tfrm_new : public QDialog {
    Q_OBJECT
public:
    // The solver, the import dialog and the multiple solutions viewer are
    // created after this window: it is handed the slots the program fills
    // with them, read when used.
    Tfrm_new(GameHost &host, Tfrm_sol *const &solver, TfrmImport *const &import, TFrmdas *const &viewer,
             QWidget *parent = nullptr);

    TPICSD33 *sdnew = nullptr;
    QPushButton *Button1 = nullptr; // Check Puzzle
    QPushButton *Button2 = nullptr; // Play Puzzle
    QPushButton *Button3 = nullptr; // Clear Grid
    QPushButton *Button4 = nullptr; // Quit
    QPushButton *Button5 = nullptr; // Load Puzzle
    QPushButton *Button6 = nullptr; // Import

    // The board as a puzzle string: a one-character value as it is, "*"
    // for every other cell.
    QString PuzzleString() const;
    // The solver's verdict on the window's puzzle, with the first solution;
    // a board without "*" counts as solved by itself.
    int WindowCheck(QString &solution) const;
    // The same, with the second solution where there are two or more.
    int WindowCheck(QString &solution, QString &second) const;

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void Button6Click();
    // Empties the board: every cell an open cell with all nine candidates.
    void ClearGrid();

    void CellMouseDown(QObject *sender, Qt::MouseButton button);
    void MarkMouseDown(QObject *sender, Qt::MouseButton button);

protected:
    void showEvent(QShowEvent *event) override;

private:
    GameHost &host_;
    Tfrm_sol *const &solver_;
    TfrmImport *const &import_;
    TFrmdas *const &viewer_;
};
