// The program entry: the application object, the windows in their order,
// then the message loop until the main window closes. The end of the
// session closes the main window just as File > Exit does.
#include "app/Application.h"
#include "periphery/SessionEnd.h"
#include "app/Program.h"
#include "game/main.h"
#include "periphery/ProgramDirectory.h"
#include "periphery/QtSeams.h"

#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char **argv)
{
    NodalaApplication app(argc, argv);
    installQtSeams();
    // Chosen once, before any window asks: the application's name changes
    // during start-up, and with it the data location's name.
    seams::setProgramDirectory(seams::chooseProgramDirectory(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    QCoreApplication::setApplicationVersion(QStringLiteral(NODALA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("main", "A Sudoku game for the desktop."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QCoreApplication::translate("main", "A puzzle file to open and play."));
    parser.process(app);
    Program program;
    const SessionEnd sessionEnd(&program.mainWindow());
    program.start();
    if (!parser.positionalArguments().isEmpty()) // once the window shows
        QTimer::singleShot(0, &program.mainWindow(),
                           [&program, path = parser.positionalArguments().first()] { program.mainWindow().OpenPuzzleFile(path); });
    return app.exec();
}
