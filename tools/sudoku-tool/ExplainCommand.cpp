#include "Command.h"
#include "ToolIo.h"
#include "solver/Engine.h"
#include "solver/grader/Explain.h"

#include <algorithm>

namespace {

const char kHelp[] =
    "usage: sudoku-tool explain [FILE]\n"
    "       sudoku-tool explain --all [FILE]\n"
    "\n"
    "Explains the next logical step of positions, one per line, read from\n"
    "FILE or, without FILE or with \"-\", from standard input. A line reads as\n"
    "for \"check\": the first 81 characters are the cells row by row, \"1\"..\"9\"\n"
    "a digit, any other character a blank.\n"
    "\n"
    "The techniques of the difficulty ladder are applied to the digits and\n"
    "the candidates they leave, easiest first and again from the easiest\n"
    "after each success, until one places a digit, and a few steps further\n"
    "for a digit that needs fewer of them. Prints the steps the digit needs\n"
    "for the digit of fewest steps (then the easiest hardest technique, then\n"
    "the first cell row by row), or with --all every technique applied up\n"
    "to the first placement, one line each:\n"
    "  TECHNIQUE ACTION CELL...\n"
    "  ACTION     \"place\" (one CELL rRcC=D) or \"remove\" (each CELL rRcC-D\n"
    "             a candidate struck); R row, C column, D digit, 1..9, cells\n"
    "             in board order\n"
    "  TECHNIQUE  hidden-single, naked-single, locked-candidates, naked-pair,\n"
    "             hidden-pair, naked-triple, hidden-triple, x-wing,\n"
    "             skyscraper, two-string-kite, xy-wing, w-wing, xyz-wing,\n"
    "             naked-quad, hidden-quad, swordfish, simple-colouring,\n"
    "             unique-rectangle, bug-plus-one, jellyfish, x-cycle,\n"
    "             xy-chain, 3d-medusa, aic, grouped-aic\n"
    "The last line is the placement, or \"stuck\" when the techniques run\n"
    "out first. A position with clashing digits, with no solution or more\n"
    "than one, or with no blank gets the single line \"none\". A blank line\n"
    "follows each position.\n"
    "\n"
    "Exit status: 0 when every line was explained, 1 a failed write, 2 for\n"
    "bad usage or an unreadable file.\n";

int runExplain(const QStringList &given)
{
    QStringList args = given;
    const bool all = args.removeAll(QStringLiteral("--all")) > 0;
    const grader::ExplainScope scope = all ? grader::ExplainScope::All : grader::ExplainScope::Minimal;
    return toolio::runLines("explain", args, 81, "results", [scope](const QByteArray &line, QByteArray &text) {
        const engine::Grid position = engine::parse(line.constData(), static_cast<std::size_t>(line.size()));
        const bool blank = std::find(position.begin(), position.end(), 0) != position.end();
        const std::optional<engine::Grid> solution = blank ? engine::uniqueSolution(position) : std::nullopt;
        if (!solution) {
            text += "none\n\n";
            return;
        }
        const grader::Explanation e = grader::explainNext(position, &*solution, scope);
        for (const grader::ExplainStep &s : e.steps)
            text += s.toolLine().toLatin1() + '\n';
        if (e.state == grader::ExplainState::Stuck)
            text += "stuck\n";
        text += '\n';
    });
}

} // namespace

const Command &explainCommand()
{
    static const Command command{"explain", "explain the next logical step of positions", kHelp, runExplain};
    return command;
}
