#pragma once

#include "game/Windows.h"

#include <memory>

class PlayModel;
class ScreenFit;

// Creates the windows in their documented order (the main window first: it
// is the application's main window) and wires them together; destroys them
// in reverse. A new window is one member of Windows and one line in the
// constructor.
class Program {
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    const Windows &windows() const { return windows_; }
    TForm1 &mainWindow() const { return *windows_.Form1; }
    PlayModel &play() const { return *play_; }

    // Shows the main window, then starts the automatic version check when
    // it is ticked: the check never delays the first paint.
    void start();

private:
    // First, so that it goes last: every window fits on its screen.
    std::unique_ptr<ScreenFit> screenFit_;
    // Before the windows, which show it, and gone after them.
    std::unique_ptr<PlayModel> play_;
    Windows windows_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<Tfrmcheck> frmcheck_;
    std::unique_ptr<Tfrm_new> frmNew_;
    std::unique_ptr<Tfrmprint> frmprint_;
    std::unique_ptr<TfrmAppearance> frmAppearance_;
    std::unique_ptr<Tfrmstep> frmstep_;
    std::unique_ptr<Tfrmtk> frmtk_;
    std::unique_ptr<Tfrm_sol> frmSol_;
    std::unique_ptr<Tfrmcopy> frmcopy_;
    std::unique_ptr<TfrmImport> frmImport_;
    std::unique_ptr<TFrmdas> frmdas_;
    std::unique_ptr<NextStepWindow> frmExplain_;
    std::unique_ptr<OptionsDialog> frmOptions_;
    std::unique_ptr<BestTimesDialog> frmBestTimes_;
    std::unique_ptr<HowToPlayWindow> frmHowToPlay_;
    std::unique_ptr<PrintSheetsDialog> frmPrintSheets_;
    std::unique_ptr<PuzzleOpener> puzzleOpener_;
};
