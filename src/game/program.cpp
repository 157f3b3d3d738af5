// The program entry: the application object, the windows in their order,
// then the message loop until the main window closes.
#include "game/Application.h"
#include "game/Windows.h"
#include "game/main.h"
#include "periphery/QtSeams.h"

int main(int argc, char **argv)
{
    NodalaApplication app(argc, argv);
    installQtSeams();
    Program program;
    program.mainWindow().show();
    return app.exec();
}
