#include "Command.h"
#include "ToolIo.h"
#include "exchange/PuzzleFile.h"

#include <cstdio>

namespace {

const char kHelp[] =
    "usage: sudoku-tool open FILE...\n"
    "\n"
    "Finds every puzzle in each FILE (\"-\" or none: standard input) the way\n"
    "the game's File > Open Puzzle File does, and prints one line a puzzle:\n"
    "its 81 cells (\"1\"..\"9\" a given, \"0\" a blank), then a tab and the\n"
    "puzzle's title where the file gives one.\n"
    "\n"
    "Formats read (text in UTF-8, or UTF-16 with a byte-order mark):\n"
    "  one puzzle a line     81 cells, \".\", \"0\" or \"*\" a blank, perhaps followed\n"
    "                        by a comment, its title (.sdm, .txt)\n"
    "  grids of nine rows    nine cells a row, with or without frames and bars\n"
    "                        (.sdk, .ss, the game's own layouts); \"#\" header\n"
    "                        lines give the title (#N name, #D description,\n"
    "                        #A author); lines of words, such as a \"Version\"\n"
    "                        trailer, are skipped; only a [Puzzle] section's\n"
    "                        rows are read\n"
    "  addresses             \"bd=\" followed by 81 digits, \"0\" a blank\n"
    "  game IDs              \"3x3:\", a letter a run of blanks (a 1 .. z 26),\n"
    "                        a digit a given, \"_\" between adjacent digits\n"
    "  library lines         \":tttt:x:\" followed by the cells (\"+\" before a\n"
    "                        placed digit)\n"
    "  OpenSudoku XML        every <game data=\"...\"/>, titled with <name>\n"
    "Text with none of these is read as the import dialog reads it\n"
    "(sudoku-tool help import), a candidate grid only with nine rows.\n"
    "Files over 64 MB are refused.\n"
    "\n"
    "Exit status: 0 a puzzle found in every FILE; 1 a FILE without a puzzle\n"
    "(the game's message on standard error) or a failed write; 2 bad usage.\n";

int runOpen(const QStringList &args)
{
    QStringList files;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-"))
            return toolio::fail("open", QStringLiteral("unknown option '%1' (try 'sudoku-tool help open')").arg(arg));
        files.append(arg);
    }
    if (files.isEmpty())
        files.append(QStringLiteral("-"));
    int status = ExitOk;
    toolio::Output out;
    for (const QString &path : files) {
        puzzlefile::FileRead read;
        if (path == QLatin1String("-")) {
            QFile input;
            if (!toolio::openInput("open", path, input))
                return ExitUsage;
            read = puzzlefile::readPuzzleDevice(input, QStringLiteral("Standard input"));
        } else {
            read = puzzlefile::readPuzzleFile(path, path);
        }
        for (const puzzlefile::Puzzle &p : read.puzzles)
            out.write(p.givens + (p.title.isEmpty() ? QByteArray() : '\t' + p.title.toUtf8()) + '\n');
        if (!read.ok()) {
            if (!out.flush())
                break;
            const QByteArray text = read.error.toUtf8() + '\n';
            std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
            std::fflush(stderr);
            status = ExitFailure;
        }
    }
    if (!out.flush()) {
        toolio::fail("open", QStringLiteral("cannot write the result"));
        return ExitFailure;
    }
    return status;
}

} // namespace

const Command &openCommand()
{
    static const Command command{"open", "every puzzle in puzzle files of the usual formats", kHelp, runOpen};
    return command;
}
