// The main window's side of the move history: sampling, the step buttons.
#include "game/UpdateLock.h"
#include "game/main.h"
#include "records/Ufrmstep.h"

#include <QRadioButton>
#include <QToolButton>

void TForm1::attachHistory(Tfrmstep *history)
{
    history_ = history;
    if (!history_)
        return;
    history_->board = sd991->grid();
    history_->OnShowStep = [this] {
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
    };
}

void TForm1::ResetSteps()
{
    if (history_)
        history_->ResetSteps();
}

void TForm1::RecordStep()
{
    if (history_)
        history_->RecordStep();
}

void TForm1::UpdateStepButtons()
{
    if (!history_)
        return;
    tbback->setEnabled(!history_->AtFirstStep());
    tbfirst->setEnabled(tbback->isEnabled());
    tbnext->setEnabled(!history_->AtLastStep());
    tblast->setEnabled(tbnext->isEnabled());
}

void TForm1::stepButton(void (Tfrmstep::*step)())
{
    if (!history_ || history_->memostep.isEmpty())
        return;
    UpdateLock lock(sd991);
    (history_->*step)();
    UpdateStepButtons();
    HighlightDigit();
    RefreshColors();
    UpdateDigitBars();
}

void TForm1::tbfirstClick() { stepButton(&Tfrmstep::StepFirst); }
void TForm1::tbbackClick() { stepButton(&Tfrmstep::StepBack); }
void TForm1::tbnextClick() { stepButton(&Tfrmstep::StepNext); }
void TForm1::tblastClick() { stepButton(&Tfrmstep::StepLast); }
