#pragma once

class TForm1;
class Tfrmstep;
class Tfrmtk;
class Tfrm_sol;
class TFrmdas;

// The windows that live for the whole program, each created once, in
// order, by createWindows and reached through its program-wide pointer.
extern TForm1 *Form1;
extern Tfrmstep *frmstep;
extern Tfrmtk *frmtk;
extern Tfrm_sol *frm_sol;
extern TFrmdas *Frmdas;

void createWindows();
void destroyWindows();
