#include "Command.h"
#include "ToolIo.h"
#include "exchange/ImportReader.h"
#include "records/Ufrmstep.h"

#include <cstdio>

namespace {

const char kHelp[] =
    "usage: sudoku-tool import [FILE]\n"
    "\n"
    "Reads the whole of FILE or, without FILE or with \"-\", standard input\n"
    "(UTF-8) as one puzzle text, the way the game's import dialog does (a\n"
    "byte-order mark is skipped and CR LF, LF and CR each count as one line\n"
    "break, as in the dialog's box):\n"
    "  1  exactly 81 characters: one character a cell, \"1\"..\"9\" a given\n"
    "  2  exactly 81 characters that are not blank space: the same\n"
    "  4  82 or more digits: a candidate grid, one row a line holding digits\n"
    "     or dots, one cell a run of them: its digits in the order written,\n"
    "     each once\n"
    "  3  exactly 81 digits and dots: the same as 1 (\"0\" is skipped)\n"
    "The first of these that applies is used. Blank cells of rules 1 to 3\n"
    "get the candidates their givens leave them.\n"
    "\n"
    "Prints one line: the rule, a blank and the board as a step line: 81\n"
    "tokens joined by \",\", \"2\" and the digit for a given, \"3\" and the\n"
    "candidates for an open cell.\n"
    "\n"
    "Exit status: 0 read, 1 \"Invalid format.\" (no rule applies) or a\n"
    "failed write, 2 bad usage or an unreadable input.\n";

// Far beyond any puzzle text; keeps a runaway input from eating memory.
constexpr qint64 kMaxInput = qint64(256) << 20;

int runImport(const QStringList &args)
{
    const std::optional<QString> path = toolio::fileArgument("import", args);
    if (!path)
        return ExitUsage;
    QFile input;
    if (!toolio::openInput("import", *path, input))
        return ExitUsage;
    QByteArray bytes;
    if (!input.isSequential())
        bytes.reserve(qMin(input.size(), kMaxInput) + 1);
    char chunk[1 << 16];
    for (;;) {
        const qint64 n = input.read(chunk, sizeof chunk);
        if (n < 0)
            return toolio::fail("import", QStringLiteral("error reading '%1': %2")
                                              .arg(toolio::inputName(*path), input.errorString()));
        if (n == 0)
            break;
        bytes.append(chunk, n);
        if (bytes.size() > kMaxInput)
            return toolio::fail("import", QStringLiteral("input larger than %1 MB").arg(kMaxInput >> 20));
    }

    const importreader::ImportResult result =
        importreader::readImport(importreader::asTextBoxText(QString::fromUtf8(bytes)));
    if (!result.valid()) {
        const QByteArray text = QString::fromUtf16(importreader::kInvalidFormat).toUtf8() + '\n';
        std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
        return ExitFailure;
    }
    toolio::Output out;
    out.write(QByteArray::number(result.rule) + ' ' + BoardToStepLine(result.cells.grid()).toUtf8() + '\n');
    if (!out.flush()) {
        toolio::fail("import", QStringLiteral("cannot write the result"));
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

const Command &importCommand()
{
    static const Command command{"import", "read a puzzle text as the import dialog does", kHelp, runImport};
    return command;
}
