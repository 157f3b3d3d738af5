#include "Command.h"
#include "ToolIo.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void print(const QByteArray &text) { std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout); }

QByteArray overview()
{
    QByteArray text = "usage: sudoku-tool COMMAND [ARGS]\n\nCommands:\n";
    for (const Command *c : commands())
        text += "  " + QByteArray(c->name).leftJustified(8) + ' ' + c->summary + '\n';
    text += "  help     show this text, or a command's with 'help COMMAND'\n";
    return text;
}

bool isHelpOption(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

} // namespace

int main(int argc, char *argv[])
{
    // No event loop is needed; the application object gives a sane locale
    // for file names.
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return toolio::fail(nullptr, QStringLiteral("no command given (try 'sudoku-tool --help')"));
    const QString name = args.takeFirst();
    if (isHelpOption(name) || name == QLatin1String("help")) {
        if (args.isEmpty()) {
            print(overview());
            return ExitOk;
        }
        if (args.size() > 1)
            return toolio::fail("help", QStringLiteral("too many arguments"));
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
