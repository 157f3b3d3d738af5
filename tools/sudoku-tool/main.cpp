#include "Command.h"
#include "ToolIo.h"

#include <clocale>
#include <cstdio>

namespace {

const char kHelpHelp[] =
    "usage: sudoku-tool help [COMMAND]\n"
    "\n"
    "Without COMMAND lists the commands; with COMMAND shows its usage, the\n"
    "same text as 'sudoku-tool COMMAND --help'.\n";

void print(const QByteArray &text) { std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout); }

QByteArray overview()
{
    QByteArray text = "usage: sudoku-tool COMMAND [ARGS]\n       sudoku-tool --version\n\nCommands:\n";
    for (const Command *c : commands())
        text += "  " + QByteArray(c->name).leftJustified(8) + ' ' + c->summary + '\n';
    text += "  help     show this text, or a command's with 'help COMMAND'\n";
    return text;
}

bool isHelpOption(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

int run(QStringList args)
{
    if (args.isEmpty())
        return toolio::fail(nullptr, QStringLiteral("no command given (try 'sudoku-tool --help')"));
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        print("sudoku-tool " NODALA_VERSION "\n");
        return ExitOk;
    }
    if (isHelpOption(name) || name == QLatin1String("help")) {
        if (args.isEmpty()) {
            print(overview());
            return ExitOk;
        }
        if (args.size() > 1)
            return toolio::fail("help", QStringLiteral("too many arguments"));
        if (args.first() == QLatin1String("help")) {
            print(kHelpHelp);
            return ExitOk;
        }
        const Command *c = findCommand(args.first());
        if (!c)
            return toolio::fail(nullptr, QStringLiteral("unknown command '%1' (try 'sudoku-tool --help')").arg(args.first()));
        print(c->help);
        return ExitOk;
    }
    const Command *c = findCommand(name);
    if (!c)
        return toolio::fail(nullptr, QStringLiteral("unknown command '%1' (try 'sudoku-tool --help')").arg(name));
    if (args.size() == 1 && isHelpOption(args.first())) {
        print(c->help);
        return ExitOk;
    }
    return c->run(args);
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything opens a file. No QCoreApplication: the tool needs no
    // event loop, and its dispatcher would take the number of a closed
    // standard input.
    toolio::guardStandardStreams();
    std::setlocale(LC_ALL, "");
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int status = run(args);
    // Whatever wrote last, a lost write of standard output fails the run.
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && status == ExitOk) {
        toolio::fail(nullptr, QStringLiteral("cannot write standard output"));
        status = ExitFailure;
    }
    return status;
}
