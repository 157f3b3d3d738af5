#include "Command.h"
#include "ToolIo.h"
#include "board/BoardPlaces.h"
#include "game/Layout.h"

namespace {

const char kHelp[] =
    "usage: sudoku-tool layout\n"
    "\n"
    "Prints where the main window's controls sit, for scripts that drive the\n"
    "game. All numbers are pixels in client coordinates: from the top left\n"
    "corner of the window's inside, below its menu bar. The output is stable:\n"
    "one line a control, in a fixed order,\n"
    "  NAME X Y WIDTH HEIGHT\n"
    "then one line a board cell, row by row,\n"
    "  cell R C X Y WIDTH HEIGHT\n"
    "with R and C from 1 to 9. Fields are separated by one blank; NAME is the\n"
    "control's object name.\n"
    "\n"
    "Exit status: 0 printed, 1 a failed write, 2 bad usage.\n";

int runLayout(const QStringList &args)
{
    if (!args.isEmpty())
        return toolio::fail("layout", QStringLiteral("too many arguments (try 'sudoku-tool help layout')"));
    const auto line = [](QByteArray name, int x, int y, int width, int height) {
        return name + ' ' + QByteArray::number(x) + ' ' + QByteArray::number(y) + ' ' + QByteArray::number(width) + ' ' +
               QByteArray::number(height) + '\n';
    };
    toolio::Output out;
    for (const layout::Place &p : layout::kPlaces) {
        const layout::Place c = layout::inClient(p);
        out.write(line(QByteArray(c.name.data(), static_cast<qsizetype>(c.name.size())), c.x, c.y, c.width, c.height));
    }
    const layout::Place board = layout::inClient(*layout::find("sd991"));
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c)
            out.write(line("cell " + QByteArray::number(r) + ' ' + QByteArray::number(c),
                           board.x + boardplaces::cellEdge(c), board.y + boardplaces::cellEdge(r),
                           boardplaces::kCellSize, boardplaces::kCellSize));
    if (!out.flush()) {
        toolio::fail("layout", QStringLiteral("cannot write the places"));
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

const Command &layoutCommand()
{
    static const Command command{"layout", "print the places of the main window's controls and cells", kHelp, runLayout};
    return command;
}
