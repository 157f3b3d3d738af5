#include "Command.h"
#include "ToolIo.h"
#include "base/Digits.h"
#include "exchange/CopyLayouts.h"
#include "records/Ufrmstep.h"

namespace {

const char kHelp[] =
    "usage: sudoku-tool export --layout LAYOUT [FILE]\n"
    "\n"
    "Reads boards as step lines, one per line, from FILE or, without FILE or\n"
    "with \"-\", from standard input, and writes each in the LAYOUT of the\n"
    "game's copy dialog, every line ended by a line feed:\n"
    "  with-candidates  13 framed lines, 10 characters a cell: its digit or\n"
    "                   candidates, \".\" when empty\n"
    "  no-candidate     13 framed lines, 5 characters a cell: its digit or \".\"\n"
    "  9x9              nine lines of nine characters, \"*\" for a blank\n"
    "  1x81             one line of 81 characters, \"0\" for a blank\n"
    "Givens and the player's digits (states 1 and 2) are written as digits;\n"
    "an open cell (state 3) is a blank in all but with-candidates, even when\n"
    "it holds a single candidate.\n"
    "\n"
    "Exit status: 0 every board written, 1 a bad step line (nothing is\n"
    "written for it or after it) or a failed write, 2 bad usage or an\n"
    "unreadable file.\n";

// A step line of nine-digit candidate lists is 890 characters; allow far
// longer values but refuse a line that does not fit rather than cut it.
constexpr int kMaxLine = 1 << 20;

bool layoutFromName(const QString &name, copylayouts::CopyLayout &layout)
{
    static const struct {
        const char *name;
        copylayouts::CopyLayout layout;
    } names[] = {{"with-candidates", copylayouts::WithCandidates},
                 {"no-candidate", copylayouts::NoCandidate},
                 {"9x9", copylayouts::NineByNine},
                 {"1x81", copylayouts::OneBy81}};
    for (const auto &n : names)
        if (name == QLatin1String(n.name)) {
            layout = n.layout;
            return true;
        }
    return false;
}

int runExport(const QStringList &args)
{
    QString path, layoutName;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--layout")) {
            if (i + 1 == args.size())
                return toolio::fail("export", QStringLiteral("--layout needs a value (try 'sudoku-tool help export')"));
            layoutName = args.at(++i);
        } else if (arg.startsWith(QLatin1String("--layout="))) {
            layoutName = arg.mid(9);
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            return toolio::fail("export", QStringLiteral("unknown option '%1' (try 'sudoku-tool help export')").arg(arg));
        } else if (!path.isNull()) {
            return toolio::fail("export", QStringLiteral("too many arguments (try 'sudoku-tool help export')"));
        } else {
            path = arg;
        }
    }
    if (layoutName.isNull())
        return toolio::fail("export", QStringLiteral("--layout is required (try 'sudoku-tool help export')"));
    copylayouts::CopyLayout layout;
    if (!layoutFromName(layoutName, layout))
        return toolio::fail("export", QStringLiteral("unknown layout '%1': with-candidates, no-candidate, 9x9 or 1x81")
                                          .arg(layoutName));
    QFile input;
    if (!toolio::openInput("export", path, input))
        return ExitUsage;

    toolio::LineReader reader(input, kMaxLine + 1);
    toolio::Output out;
    QByteArray line;
    OwnedGrid board;
    qint64 number = 0;
    while (!out.failed() && reader.next(line)) {
        ++number;
        if (line.size() > kMaxLine) {
            out.flush();
            toolio::fail("export", QStringLiteral("line %1: longer than %2 characters").arg(number).arg(kMaxLine));
            return ExitFailure;
        }
        try {
            StepLineToBoard(board.grid(), QString::fromUtf8(line));
        } catch (const ConvertError &e) {
            out.flush();
            toolio::fail("export", QStringLiteral("line %1: not a step line: %2").arg(number).arg(QString::fromUtf8(e.what())));
            return ExitFailure;
        }
        for (const QString &text : copylayouts::layoutLines(layout, board.grid()))
            out.write(text.toUtf8() + '\n');
    }
    if (reader.failed())
        return toolio::fail("export", QStringLiteral("error reading '%1': %2")
                                          .arg(toolio::inputName(path), input.errorString()));
    if (!out.flush()) {
        toolio::fail("export", QStringLiteral("cannot write the boards"));
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

const Command &exportCommand()
{
    static const Command command{"export", "write boards given as step lines in a copy layout", kHelp, runExport};
    return command;
}
