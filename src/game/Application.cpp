#include "game/Application.h"

#include "periphery/Seams.h"

NodalaApplication::NodalaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Sudoku Nodala v3.0"));
}

bool NodalaApplication::notify(QObject *receiver, QEvent *event)
{
    bool result = false;
    seams::guard([&] { result = QApplication::notify(receiver, event); });
    return result;
}
