#include "Command.h"
#include "ToolIo.h"
#include "solver/Usol.h"

namespace {

const char kHelp[] =
    "usage: sudoku-tool check [FILE]\n"
    "\n"
    "Checks puzzles, one per line, read from FILE or, without FILE or with\n"
    "\"-\", from standard input. The first 81 characters of a line are the\n"
    "cells row by row: \"1\"..\"9\" a given, any other character (\".\", \"0\",\n"
    "\"*\", ...) a blank. A shorter line is blank at its end; the rest of a\n"
    "longer line is ignored.\n"
    "\n"
    "Prints one line per puzzle: VERDICT FIRST SECOND, with \"-\" for an\n"
    "empty string.\n"
    "  0  one solution; FIRST and SECOND are that solution\n"
    "  1  not solvable: clashing givens (both \"-\"), no solution (FIRST is\n"
    "     the puzzle with \"0\" at each blank) or no blank cell at all\n"
    "  2  two or more solutions: FIRST is the least (compared from the first\n"
    "     cell), SECOND the least compared from the last cell when that\n"
    "     differs, else the next solution after FIRST\n"
    "\n"
    "Exit status: 0 when every line was checked, 1 a failed write, 2 for\n"
    "bad usage or an unreadable file.\n";

int runCheck(const QStringList &args)
{
    const Tfrm_sol solver;
    QString puzzle(81, QLatin1Char('*'));
    QString first, second;
    return toolio::runLines("check", args, 81, "results", [&](const QByteArray &line, QByteArray &text) {
        for (int i = 0; i < 81; ++i) {
            const char ch = i < line.size() ? line.at(i) : '*';
            puzzle[i] = ch >= '1' && ch <= '9' ? QLatin1Char(ch) : QLatin1Char('*');
        }
        const int verdict = solver.CheckPuzzle(puzzle, first, second);
        text += char('0' + verdict);
        text += ' ';
        text += first.isEmpty() ? QByteArray("-") : first.toLatin1();
        text += ' ';
        text += second.isEmpty() ? QByteArray("-") : second.toLatin1();
        text += '\n';
    });
}

} // namespace

const Command &checkCommand()
{
    static const Command command{"check", "check puzzles: verdict, least solution and a second one", kHelp, runCheck};
    return command;
}
