#pragma once

class TForm1;
class Tfrmstep;

// The windows that live for the whole program, each created once, in
// order, by createWindows and reached through its program-wide pointer.
extern TForm1 *Form1;
extern Tfrmstep *frmstep;

void createWindows();
void destroyWindows();
