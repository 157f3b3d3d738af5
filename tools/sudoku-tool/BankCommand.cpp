#include "BankCommands.h"
#include "Command.h"

namespace {

const char kHelp[] =
    "usage: sudoku-tool bank verify\n"
    "       sudoku-tool bank generate --seed N --out DIR [--threads T]\n"
    "\n"
    "verify    re-checks every entry of the game's built-in bank: the entry\n"
    "          format, exactly one solution (the entry's grid), 17 to 52\n"
    "          givens, the grade of its level, no repeats. Prints a summary;\n"
    "          exits 1 naming the first bad entry.\n"
    "generate  writes a new bank, \"tk0.txt\" .. \"tk4.txt\" with 500 entries\n"
    "          each, into DIR. The same seed gives the same files bit for\n"
    "          bit, whatever the number of threads T (default 2).\n"
    "\n"
    "Exit status: 0 success, 1 a bad entry or a failed write, 2 bad usage.\n";

int runBank(const QStringList &args)
{
    QTextStream out(stdout), err(stderr);
    const int code = bankcommands::bank(args, out, err);
    out.flush();
    err.flush();
    return code;
}

} // namespace

const Command &bankCommand()
{
    static const Command command{"bank", "verify the built-in puzzle bank, or generate a new one", kHelp, runBank};
    return command;
}
