#pragma once

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
class NextStepWindow;
class OptionsDialog;
class BestTimesDialog;
class HowToPlayWindow;
class PrintSheetsDialog;
class PuzzleOpener;

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
    NextStepWindow *frmExplain = nullptr;
    OptionsDialog *frmOptions = nullptr;
    BestTimesDialog *frmBestTimes = nullptr;
    HowToPlayWindow *frmHowToPlay = nullptr;
    PrintSheetsDialog *frmPrintSheets = nullptr;
    PuzzleOpener *puzzleOpener = nullptr;
};
