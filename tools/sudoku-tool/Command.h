#pragma once

#include <QStringList>

// One subcommand of sudoku-tool. run() gets the arguments after the
// command's name and returns the exit status.
struct Command {
    const char *name;
    const char *summary; // one line for the overview
    const char *help;    // the full text of "sudoku-tool help NAME"
    int (*run)(const QStringList &args);
};

// Every subcommand, in the order the overview lists them.
const QList<const Command *> &commands();
const Command *findCommand(const QString &name);

// Exit statuses shared by all subcommands.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };
