#include "game/Windows.h"

#include "game/main.h"

TForm1 *Form1 = nullptr;

void createWindows()
{
    // The main window comes first: it is the application's main window.
    Form1 = new TForm1;
}

void destroyWindows()
{
    delete Form1;
    Form1 = nullptr;
}
