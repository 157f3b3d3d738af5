// The main window's side of the move history: sampling, the step buttons.
#include "board/UpdateLock.h"
#include "game/Windows.h"
#include "game/Keyboard.h"
#include "game/main.h"
#include "records/Ufrmstep.h"

#include <QRadioButton>
#include <QToolButton>

void TForm1::ShowStep()
{
    sd991->CheckConflicts();
    if (rb_none->isChecked()) {
        sd991->ShowNone();
        if (SelectedDigit() == 0)
            SetDigitButtons(1);
        HighlightDigit();
    } else if (rb_all->isChecked()) {
        sd991->ShowAll();
    } else if (rb_one->isChecked()) {
        sd991->ShowOnly(SelectedDigit());
    }
}

void TForm1::ResetSteps()
{
    w_.frmstep->ResetSteps();
    keys_->keysToBoard();
}

void TForm1::RecordStep() { w_.frmstep->RecordStep(); }

void TForm1::UpdateStepButtons()
{
    const Tfrmstep *history = w_.frmstep;
    tbback->setEnabled(!history->AtFirstStep());
    tbfirst->setEnabled(tbback->isEnabled());
    tbnext->setEnabled(!history->AtLastStep());
    tblast->setEnabled(tbnext->isEnabled());
}

void TForm1::stepButton(void (Tfrmstep::*step)())
{
    Tfrmstep *history = w_.frmstep;
    // The buttons are disabled then; a call from elsewhere finds no step.
    if (history->memostep.isEmpty())
        return;
    // A move the clock has not sampled yet is recorded first, as the next
    // tick would: stepping back undoes that move, and it can come back.
    if (gameRunning())
        RecordStep();
    if ((step == &Tfrmstep::StepBack && history->AtFirstStep())
        || (step == &Tfrmstep::StepNext && history->AtLastStep())) {
        UpdateStepButtons();
        return;
    }
    UpdateLock lock(sd991);
    (history->*step)();
    UpdateStepButtons();
    HighlightDigit();
    RefreshColors();
    UpdateDigitBars();
}

void TForm1::tbfirstClick() { stepButton(&Tfrmstep::StepFirst); }
void TForm1::tbbackClick() { stepButton(&Tfrmstep::StepBack); }
void TForm1::tbnextClick() { stepButton(&Tfrmstep::StepNext); }
void TForm1::tblastClick() { stepButton(&Tfrmstep::StepLast); }

void TForm1::recordMove()
{
    if (!gameRunning())
        return;
    RecordStep();
    UpdateStepButtons();
}

bool TForm1::gameRunning() const { return puzzleOnBoard_ && TimeLabel1->timerenabled(); }
