#include "game/Windows.h"

#include "game/main.h"
#include "records/Ufrmstep.h"

TForm1 *Form1 = nullptr;
Tfrmstep *frmstep = nullptr;

void createWindows()
{
    // The main window comes first: it is the application's main window.
    Form1 = new TForm1;
    frmstep = new Tfrmstep;
    Form1->attachHistory(frmstep);
}

void destroyWindows()
{
    delete Form1;
    Form1 = nullptr;
    delete frmstep;
    frmstep = nullptr;
}
