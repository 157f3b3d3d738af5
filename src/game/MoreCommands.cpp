// The commands beside the specified ones: best times, options, How to Play,
// printed puzzle sheets.
#include "board/UpdateLock.h"
#include "play/BestTimesDialog.h"
#include "guide/HowToPlayWindow.h"
#include "play/OptionsDialog.h"
#include "exchange/PrintSheetsDialog.h"
#include "game/Windows.h"
#include "game/main.h"

void TForm1::BestTimesClick() { w_.frmBestTimes->exec(); }
void TForm1::OptionsClick() { w_.frmOptions->exec(); }
void TForm1::PrintPuzzlesClick() { w_.frmPrintSheets->exec(); }

void TForm1::HowToPlayClick()
{
    w_.frmHowToPlay->show();
    w_.frmHowToPlay->raise();
}

void TForm1::OptionsChanged()
{
    // An empty board has no clashes or wrong digits to show.
    if (!puzzleOnBoard_)
        return;
    UpdateLock lock(sd991);
    ShowStep();
    RefreshColors();
}
