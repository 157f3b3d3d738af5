#include "app/Program.h"

#include "appearance/UfrmAppearance.h"
#include "exchange/Ufrm_new.h"
#include "exchange/UfrmImport.h"
#include "exchange/PuzzleOpener.h"
#include "exchange/Ufrmcopy.h"
#include "exchange/Ufrmdas.h"
#include "exchange/Ufrmprint.h"
#include "play/BestTimesDialog.h"
#include "guide/NextStepWindow.h"
#include "guide/HowToPlayWindow.h"
#include "play/OptionsDialog.h"
#include "play/PlayModel.h"
#include "exchange/PrintSheetsDialog.h"
#include "puzzle/Ufrmtk.h"
#include "game/main.h"
#include "periphery/Centering.h"
#include "periphery/Ufrmcheck.h"
#include "periphery/Seams.h"
#include "records/Ufrmstep.h"
#include "solver/Usol.h"

#include <QCoreApplication>

namespace {
template <typename T, typename... Args>
T *make(std::unique_ptr<T> &slot, Args &&...args)
{
    slot = std::make_unique<T>(std::forward<Args>(args)...);
    return slot.get();
}
} // namespace

Program::Program()
    : screenFit_(std::make_unique<ScreenFit>()), play_(std::make_unique<PlayModel>(seams::programDirectory()))
{
    QCoreApplication::instance()->installEventFilter(screenFit_.get());
    windows_.Form1 = make(form1_, windows_, *play_);
    windows_.frmcheck = make(frmcheck_);
    GameHost &host = *form1_;
    windows_.frm_new = make(frmNew_, host, windows_.frm_sol, windows_.frmImport, windows_.Frmdas);
    windows_.frmprint = make(frmprint_, host);
    // Reads "vorel.ini" and colours the main board.
    windows_.frmAppearance = make(frmAppearance_, *form1_->sd991, *form1_->AutoCheckNewVersion1);
    windows_.frmstep = make(frmstep_);
    windows_.frmtk = make(frmtk_);
    windows_.frm_sol = make(frmSol_);
    windows_.frmcopy = make(frmcopy_, host);
    windows_.frmImport = make(frmImport_);
    windows_.Frmdas = make(frmdas_);
    windows_.frmExplain = make(frmExplain_, host, *play_);
    // F4 explains again from the Next Step window as well.
    frmExplain_->addAction(form1_->ExplainNextStep1);
    windows_.frmOptions = make(frmOptions_, *play_, form1_.get());
    windows_.frmBestTimes = make(frmBestTimes_, *play_, form1_.get());
    windows_.frmHowToPlay = make(frmHowToPlay_, form1_.get());
    windows_.frmPrintSheets = make(frmPrintSheets_, *frmtk_, form1_.get());
    windows_.puzzleOpener = make(puzzleOpener_, host, windows_.frm_sol);
    // Files and texts dropped on the window open as puzzles.
    form1_->setAcceptDrops(true);

    // The history samples and shows the main board.
    frmstep_->board = form1_->sd991->grid();
    frmstep_->OnShowStep = [form = form1_.get()] { form->ShowStep(); };
}

void Program::start()
{
    form1_->show();
    if (form1_->AutoCheckNewVersion1->isChecked())
        frmcheck_->AutoCheckVersion();
}

Program::~Program()
{
    // The main window closes (and saves through the history) before the
    // windows it uses go; Next Step, a child of the main window, before it.
    puzzleOpener_.reset();
    frmPrintSheets_.reset();
    frmHowToPlay_.reset();
    frmBestTimes_.reset();
    frmOptions_.reset();
    frmExplain_.reset();
    frmdas_.reset();
    frmImport_.reset();
    frmcopy_.reset();
    frmNew_.reset();
    form1_.reset();
    frmAppearance_.reset();
}
