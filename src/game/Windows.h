#pragma once

#include <memory>

class TForm1;
class Tfrmstep;
class Tfrmtk;
class Tfrm_sol;
class TFrmdas;
class Tfrmcheck;
class Tfrm_new;
class TfrmAppearance;
class Tfrmprint;
class Tfrmcopy;
class TfrmImport;
class TfrmExplain;
class TfrmOptions;
class TfrmBestTimes;
class TfrmHowToPlay;
class TfrmPrintSheets;
class ScreenFit;

// The windows that live for the whole program, each created once. The main
// window and every dialog receive this struct and reach each other through
// it; once the Program is built no member is null.
struct Windows {
    TForm1 *Form1 = nullptr;
    Tfrmcheck *frmcheck = nullptr;
    Tfrm_new *frm_new = nullptr;
    Tfrmprint *frmprint = nullptr;
    TfrmAppearance *frmAppearance = nullptr;
    Tfrmstep *frmstep = nullptr;
    Tfrmtk *frmtk = nullptr;
    Tfrm_sol *frm_sol = nullptr;
    Tfrmcopy *frmcopy = nullptr;
    TfrmImport *frmImport = nullptr;
    TFrmdas *Frmdas = nullptr;
    TfrmExplain *frmExplain = nullptr;
    TfrmOptions *frmOptions = nullptr;
    TfrmBestTimes *frmBestTimes = nullptr;
    TfrmHowToPlay *frmHowToPlay = nullptr;
    TfrmPrintSheets *frmPrintSheets = nullptr;
};

// Creates the windows in their documented order (the main window first: it
// is the application's main window) and wires them together; destroys them
// in reverse. A new window is one member above and one line in the
// constructor.
class Program {
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    const Windows &windows() const { return windows_; }
    TForm1 &mainWindow() const { return *windows_.Form1; }

    // Shows the main window, then starts the automatic version check when
    // it is ticked: the check never delays the first paint.
    void start();

private:
    // First, so that it goes last: every window fits on its screen.
    std::unique_ptr<ScreenFit> screenFit_;
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
    std::unique_ptr<TfrmExplain> frmExplain_;
    std::unique_ptr<TfrmOptions> frmOptions_;
    std::unique_ptr<TfrmBestTimes> frmBestTimes_;
    std::unique_ptr<TfrmHowToPlay> frmHowToPlay_;
    std::unique_ptr<TfrmPrintSheets> frmPrintSheets_;
};
