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
    "Exit status: 0 when every line was checked, 2 for bad usage or an\n"
    "unreadable file.\n";

int runCheck(const QStringList &args)
{
    QString path;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-"))
            return toolio::fail("check", QStringLiteral("unknown option '%1' (try 'sudoku-tool help check')").arg(arg));
        if (!path.isNull())
            return toolio::fail("check", QStringLiteral("too many arguments (try 'sudoku-tool help check')"));
        path = arg;
    }
    QFile input;
    if (!toolio::openInput("check", path, input))
        return ExitUsage;

    const Tfrm_sol solver;
    toolio::LineReader reader(input, 81);
    toolio::Output out;
    QByteArray line;
    QString puzzle(81, QLatin1Char('*'));
    QString first, second;
    QByteArray text;
    while (reader.next(line)) {
        for (int i = 0; i < 81; ++i) {
            const char ch = i < line.size() ? line.at(i) : '*';
            puzzle[i] = ch >= '1' && ch <= '9' ? QLatin1Char(ch) : QLatin1Char('*');
        }
        const int verdict = solver.CheckPuzzle(puzzle, first, second);
        text.clear();
        text += char('0' + verdict);
        text += ' ';
        text += first.isEmpty() ? QByteArray("-") : first.toLatin1();
        text += ' ';
        text += second.isEmpty() ? QByteArray("-") : second.toLatin1();
        text += '\n';
        out.write(text);
    }
    if (reader.failed())
        return toolio::fail("check", QStringLiteral("error reading '%1': %2")
                                         .arg(path.isEmpty() ? QStringLiteral("-") : path, input.errorString()));
    if (!out.flush())
        return toolio::fail("check", QStringLiteral("cannot write the results"));
    return ExitOk;
}

} // namespace

const Command &checkCommand()
{
    static const Command command{"check", "check puzzles: verdict, least solution and a second one", kHelp, runCheck};
    return command;
}
