#include "Command.h"
#include "ToolIo.h"
#include "solver/grader/Grader.h"

namespace {

const char kHelp[] =
    "usage: sudoku-tool grade [FILE]\n"
    "\n"
    "Grades puzzles, one per line, read from FILE or, without FILE or with\n"
    "\"-\", from standard input, the way a player would solve them: with the\n"
    "techniques of the difficulty ladder only, never by guessing. The first\n"
    "81 characters of a line are the cells row by row: \"1\"..\"9\" a given,\n"
    "any other character a blank (so bank entries grade as their puzzles).\n"
    "\n"
    "Prints one line per puzzle: LEVEL SCORE TECHNIQUE.\n"
    "  LEVEL      0 Very Easy, 1 Gentle, 2 Moderate, 3 Tough, 4 Diabolical,\n"
    "             5 beyond the ladder, x not exactly one solution\n"
    "  SCORE      orders puzzles within a level (0 for x)\n"
    "  TECHNIQUE  the hardest technique needed, \"beyond\" for level 5, \"-\" for x\n"
    "\n"
    "Exit status: 0 when every line was graded, 1 a failed write, 2 for\n"
    "bad usage or an unreadable file.\n";

int runGrade(const QStringList &args)
{
    return toolio::runLines("grade", args, 81, "results", [](const QByteArray &line, QByteArray &text) {
        const engine::Grid puzzle = engine::parse(line.constData(), static_cast<std::size_t>(line.size()));
        text += grader::grade(puzzle).line().toLatin1() + '\n';
    });
}

} // namespace

const Command &gradeCommand()
{
    static const Command command{"grade", "grade puzzles by the techniques a player needs", kHelp, runGrade};
    return command;
}
