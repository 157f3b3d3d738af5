#include "app/Application.h"

#include "periphery/Picture.h"
#include "periphery/Seams.h"

#include <QIcon>

NodalaApplication::NodalaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Sudoku Nodala v3.0"));
    // Every window without its own icon shows this one; the desktop entry
    // lets the shell match windows to the installed launcher.
    setWindowIcon(QIcon(artworkFile(QStringLiteral("about/logo"))));
    setDesktopFileName(QStringLiteral("sudoku-nodala"));
}

bool NodalaApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    seams::guard([&] { result = QApplication::notify(receiver, event); });
    return result;
}
