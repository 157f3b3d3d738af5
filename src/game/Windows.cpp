#include "game/Windows.h"

#include "game/main.h"
#include "exchange/Ufrmdas.h"
#include "game/Ufrmtk.h"
#include "records/Ufrmstep.h"
#include "solver/Usol.h"

TForm1 *Form1 = nullptr;
Tfrmstep *frmstep = nullptr;
Tfrmtk *frmtk = nullptr;
Tfrm_sol *frm_sol = nullptr;
TFrmdas *Frmdas = nullptr;

void createWindows()
{
    // The main window comes first: it is the application's main window.
    Form1 = new TForm1;
    frmstep = new Tfrmstep;
    Form1->attachHistory(frmstep);
    frmtk = new Tfrmtk;
    frm_sol = new Tfrm_sol;
    Frmdas = new TFrmdas;
    Form1->ShowSolutions = [](const QString &first, const QString &second) { Frmdas->ShowSolutions(first, second); };
}

void destroyWindows()
{
    delete Frmdas;
    Frmdas = nullptr;
    delete Form1;
    Form1 = nullptr;
    delete frm_sol;
    frm_sol = nullptr;
    delete frmtk;
    frmtk = nullptr;
    delete frmstep;
    frmstep = nullptr;
}
