#pragma once

#include "board/PICSD33.h"
#include "board/TimeLabel.h"
#include "board/GameHost.h"
#include "periphery/MakerSite.h"
#include "play/Intent.h"

#include <QMainWindow>
#include <QList>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>

class DigitPad;
class KeyRouter;
class PauseControl;
class PlayModel;
class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMimeData;
class QProgressBar;
class QRadioButton;
class QToolButton;
class StatusLine;
class Tfrmstep;
class TQJ;
struct ButtonSpec;
struct Windows;

// The main window: the board, the tool bars, the menus, the candidate
// panel, the digit counters and the status line. Closing it ends the game.
class TForm1 : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    // The other windows are reached through windows, which the program
    // entry fills in right after this window is created; the state of play
    // beside the cells is play's.
    TForm1(const Windows &windows, PlayModel &play, QWidget *parent = nullptr);
    ~TForm1() override;

    // Menu bar (the rest of its items are the window's own).
    QMenu *File1, *N10, *ools1, *N7;
    QAction *Exit1, *appearance1, *ExplainNextStep1, *CheckNewVersion1, *AutoCheckNewVersion1, *Visit1;
    QAction *Pause1, *OpenPuzzleFile1, *NextPuzzle1;

    // Upper tool bar.
    QFrame *ToolBar1;
    QToolButton *ToolButton12, *ToolButton4, *ToolButton11, *ToolButton5, *ToolButton6, *ToolButton7,
        *ToolButton8, *tbresign, *tbsolve, *ToolButton14;
    TTimeLabel *TimeLabel1;
    QLabel *ndtxt;

    // The board in its frame.
    QFrame *Panel1;
    TPICSD33 *sd991;

    // Candidate panel and digit pad.
    QGroupBox *GroupBox1;
    QRadioButton *rb_none, *rb_all, *rb_one;
    DigitPad *digitPad;
    std::array<QToolButton *, 10> disnote{}; // disnote[1]..disnote[9]
    std::array<QProgressBar *, 10> ProgressBar{}; // ProgressBar[1]..[9]

    // Lower tool bar.
    QCheckBox *cbautoupdate;
    QToolButton *ToolButton9, *tbfirst, *tbback, *tbnext, *tblast;

    QLabel *WC_Label;
    StatusLine *sb1;
    QMenu *pp;
    // -1: the next popup of pp shows nothing (a mark took the right click).
    int ppTag = 0;

    // The solution and the givens of the puzzle on the board.
    TQJ *QJ1;

    // The directory of the game's files, with its trailing separator.
    QString programDir;

    // Status-bar help.
    void ShowHelpText(const QString &text);

    // Event handlers, and what the windows beside this one call.
    // True when the key was one of the window's own.
    bool FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // The keys and the focus order.
    KeyRouter &keys() const { return *keys_; }
    void disnote1Click();
    void CellMouseDown(QObject *sender, Qt::MouseButton button);
    void MarkMouseDown(QObject *sender, Qt::MouseButton button);
    // What a click or a key means on the board, applied in the order of
    // refreshes of the handler that press stands for; cell is the pressed
    // one (none for undo and redo). False when nothing happened.
    bool apply(const intent::Intent &in, TPicNode *cell);
    // The board at cell (or only the mode and digit) as the intents read it.
    intent::At pressedAt(const TPicNode *cell) const;
    void CellMouseEnter(QObject *sender);
    void TimeLabel1Timer();
    void ppPopup(QObject *sender);

    // Play.
    // The player's entry of digit as the big number of cell: the left click
    // on a candidate mark, and Apply of the Next Step window.
    void PlaceDigit(TPicNode *cell, const QString &digit) override;

    // Feedback after every change.
    int SelectedDigit() const;
    void UpdateDigitBars();
    TColor CellColor(int row, int col) const;
    void Finish();

    // The view of this window the dialogs and companions beside it get.
    TPICSD33 *MainBoard() const override { return sd991; }
    QWidget *MainWindow() override { return this; }
    void PlayPuzzle(const TPICSD33 &source, const QString &solution) override;
    QString KnownSolution() override;
    void ForwardKeys(QWidget *window) override;

    // Putting a puzzle on the board.
    void ClearGame();
    void DealFromBank(int level);
    void FillWithSolution(const QString &s);

    // The last-game file.
    QString LastGamePath() const;
    void SaveLastGame();
    void Con1Click();

    // The history of the board.
    void ResetSteps();
    void RecordStep();
    void UpdateStepButtons();

    // The refresh after the history put a step on the board.
    void ShowStep();
    const Windows &windows() const { return w_; }

    // The cell the popup menu is open over.
    TPicNode *popupCell() const { return popupCell_; }

    bool puzzleOnBoard() const override { return puzzleOnBoard_; }
    Tmousepanel *borderedPanel() const { return bordered_; }

    // Commands.
    void NewGameClick(int level);
    void PrintableBoardClick();
    void AppearanceClick();
    void CopyClick();
    void ExplainClick();
    void tbresignClick();
    void tbsolveClick();
    void ToolButton9Click();
    void tbbackClick();

    // Pause: the clock and the sampling stop, the board is covered.
    PauseControl &pause() const { return *pause_; }

    // Puzzle files and texts from outside: a drop on the window, a file
    // named on the command line (and the menu's file question).
    void OpenPuzzleFile(const QString &path);
    // A drop: its first local file, else its text.
    void OpenDropped(const QMimeData &data);

protected:
    // The parts of the window that keep state of their own.
    friend class PauseControl;

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Handlers and routines only the window itself calls.
    void FormCreate();
    void FormClose();
    void ClearHelpText();
    // The help text shown while the pointer is over a control, if any.
    static const char *NoneHelpText();
    static const char *AllHelpText();
    void rb_noneClick();
    void CellMouseLeave(QObject *sender);
    void CandidateMenuClick(QAction *item);
    bool AutoUpdateOn() const;
    void FillCandidates();
    void BuildCandidateMenu(const QString &list);
    bool NoEmptyCell() const;
    void SetDigitButtons(int d);
    void RecolorCells();
    void RefreshColors();
    void MarkWrongDigits();
    void HighlightDigit();
    void LoadPuzzle(bool withCandidates);
    void LoadLastGame();
    void ImportClick();
    void ContinueClick();
    void Exit1Click() { close(); }
    void CheckNewVersionClick();
    void VisitClick();
    void AboutClick();
    void tbfirstClick();
    void tbnextClick();
    void tblastClick();
    // Best times, options, How to Play, printed puzzle sheets.
    void BestTimesClick();
    void OptionsClick();
    void HowToPlayClick();
    void PrintPuzzlesClick();
    void OpenPuzzleFileClick();
    // File > Next Puzzle: the next of the collection last played from,
    // enabled while there may be one.
    void NextPuzzleClick();
    void UpdateNextPuzzle();
    // True when no game is running or the player, if the options say to
    // ask, agrees to end it.
    bool MayReplaceGame();
    // The single-line border goes to the cell or mark under the pointer,
    // or nowhere when the board is disabled or the pointer is elsewhere.
    void syncPointerBorder();

    // Menu items and the bar only the window itself reaches.
    QAction *PrintableBoard1, *ImportSudoku1, *N5, *Con1, *N18;
    QAction *VeryEasy1, *N11, *N12, *N13, *N14;
    QAction *CopyPuzzleToClipboard1, *N15, *N9, *About1;
    QAction *PrintPuzzles1, *N16, *BestTimes1, *Options1, *HowToPlay1;
    QFrame *ToolBar2;

    void buildMenus();
    void buildToolBar1(QWidget *client);
    void buildBoard(QWidget *client);
    void buildCandidatePanel(QWidget *client);
    void buildToolBar2(QWidget *client);
    void buildButtons(QWidget *bar, std::initializer_list<ButtonSpec> buttons);
    void setHelp(QWidget *w, const QString &text);
    void clearsHelp(QWidget *w);

    void redraw();
    // The refresh after a move on the board: counters, clashes, display,
    // colours, and the finish when the board is solved.
    void moveMade();
    void stepButton(void (Tfrmstep::*step)());
    void setPopupOnCells(const std::function<bool(TPicNode *)> &carries);

    void setPointerBorder(Tmousepanel *panel);
    // A running game: on the board, its clock going.
    bool gameRunning() const;
    // The board as the clock's next tick would record it, at once, so a
    // move outlives a pause, the finish or the end of the program.
    void recordMove();
    // The status bar counts the clashes when the board holds several.
    void sayClashes();
    // The board follows a change of the options.
    void OptionsChanged();

    // The solver's verdict on the givens on the board, kept while they
    // stay: Show Solution and the known solution share it.
    struct GivensVerdict {
        QString givens;
        int verdict = 1;
        QString first, second;
    };
    const GivensVerdict &givensVerdict();

    bool closed_ = false;
    bool centred_ = false;
    bool puzzleOnBoard_ = false;
    // Whether closing may replace "lastgame.dat": only once this run has
    // put a game on the board, so opening and closing keeps the last game.
    bool gamePutThisRun_ = false;
    QPointer<Tmousepanel> bordered_;
    PauseControl *pause_ = nullptr;
    KeyRouter *keys_ = nullptr;
    TPicNode *popupCell_ = nullptr;
    std::optional<GivensVerdict> verdict_;
    QString clashesSaid_;
    const Windows &w_;
    PlayModel &play_;
};
