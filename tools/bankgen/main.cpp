// bankgen: the bank and grading commands on their own, for machines that
// build no other tool.
#include "BankCommands.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin), out(stdout), err(stderr);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    int code = 2;
    if (command == QLatin1String("grade"))
        code = bankcommands::grade(args, in, out, err);
    else if (command == QLatin1String("bank"))
        code = bankcommands::bank(args, out, err);
    else
        err << "usage: bankgen grade [FILE] | bank verify | bank generate --seed N --out DIR [--threads T]\n";
    out.flush();
    err.flush();
    return code;
}
