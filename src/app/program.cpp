// The program entry: the application object, the windows in their order,
// then the message loop until the main window closes. The end of the
// session closes the main window just as File > Exit does.
#include "app/Application.h"
#include "periphery/SessionEnd.h"
#include "app/Program.h"
#include "game/main.h"
#include "periphery/ProgramDirectory.h"
#include "periphery/QtSeams.h"

#include <QStandardPaths>

int main(int argc, char **argv)
{
    NodalaApplication app(argc, argv);
    installQtSeams();
    // Chosen once, before any window asks: the application's name changes
    // during start-up, and with it the data location's name.
    seams::setProgramDirectory(seams::chooseProgramDirectory(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    Program program;
    const SessionEnd sessionEnd(&program.mainWindow());
    program.start();
    return app.exec();
}
