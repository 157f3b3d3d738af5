#include "Command.h"

// Each subcommand's file defines its Command; list it here.
const Command &checkCommand();
const Command &gradeCommand();
const Command &explainCommand();
const Command &bankCommand();
const Command &importCommand();
const Command &openCommand();
const Command &exportCommand();
const Command &layoutCommand();

const QList<const Command *> &commands()
{
    static const QList<const Command *> all{
        &checkCommand(),
        &gradeCommand(),
        &explainCommand(),
        &bankCommand(),
        &importCommand(),
        &openCommand(),
        &exportCommand(),
        &layoutCommand(),
    };
    return all;
}

const Command *findCommand(const QString &name)
{
    for (const Command *c : commands())
        if (name == QLatin1String(c->name))
            return c;
    return nullptr;
}
