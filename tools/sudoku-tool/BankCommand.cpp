#include "Command.h"
#include "ToolIo.h"
#include "base/AtomicTextFile.h"
#include "puzzle/Ufrmtk.h"
#include "solver/grader/BankCheck.h"
#include "solver/grader/Generator.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

const char kHelp[] =
    "usage: sudoku-tool bank verify\n"
    "       sudoku-tool bank generate --seed N --out DIR [--threads T]\n"
    "\n"
    "verify    re-checks every entry of the game's built-in bank: the entry\n"
    "          format, exactly one solution (the entry's grid), 17 to 52\n"
    "          givens, the grade of its level, no repeats. Prints a summary;\n"
    "          exits 1 naming the first bad entry.\n"
    "generate  writes a new bank, \"tk0.txt\" .. \"tk4.txt\" with 500 entries\n"
    "          each, into DIR. The same seed gives the same files bit for\n"
    "          bit, whatever the number of threads T (default 2).\n"
    "\n"
    "Exit status: 0 success, 1 a bad entry or a failed write, 2 bad usage.\n";

const char kUsage[] = "usage: bank verify | bank generate --seed N --out DIR [--threads T]\n";
const char kGenerateUsage[] = "usage: bank generate --seed N --out DIR [--threads T]\n";

int usage(const char *text)
{
    std::fputs(text, stderr);
    return ExitUsage;
}

// The report line on standard output; a failed write fails the command.
int report(const QString &text)
{
    toolio::Output out;
    out.write(text.toLocal8Bit());
    if (!out.flush()) {
        toolio::fail("bank", QStringLiteral("cannot write the report"));
        return ExitFailure;
    }
    return ExitOk;
}

int verify(const QStringList &args)
{
    if (!args.isEmpty())
        return usage("usage: bank verify\n");
    grader::Bank bank;
    for (int level = 0; level < 5; ++level)
        bank[static_cast<std::size_t>(level)] = Tfrmtk::builtInLevel(level);
    QElapsedTimer timer;
    timer.start();
    const grader::BankReport result = grader::verifyBank(bank);
    if (!result.ok) {
        std::fputs(qPrintable(QStringLiteral("bad entry: %1\n").arg(result.firstBad)), stderr);
        return ExitFailure;
    }
    return report(result.summary + QStringLiteral("checked in %1 ms\n").arg(timer.elapsed()));
}

int generate(const QStringList &args)
{
    grader::GeneratorOptions options;
    QString dir;
    bool seedGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        bool ok = hasValue;
        if (a == QLatin1String("--seed") && hasValue) {
            options.seed = args.at(++i).toULongLong(&ok);
            seedGiven = ok;
        } else if (a == QLatin1String("--out") && hasValue) {
            dir = args.at(++i);
        } else if (a == QLatin1String("--threads") && hasValue) {
            options.threads = args.at(++i).toInt(&ok);
            ok = ok && options.threads >= 1 && options.threads <= 64;
        } else {
            ok = false;
        }
        if (!ok)
            return usage(kGenerateUsage);
    }
    if (!seedGiven || dir.isEmpty())
        return usage(kGenerateUsage);
    QElapsedTimer timer;
    timer.start();
    long examined = 0;
    options.progress = [&](const std::array<int, 5> &, long n) { examined = n; };
    const grader::Bank bank = grader::generateBank(options);
    for (int level = 0; level < 5; ++level) {
        const qsizetype size = bank[static_cast<std::size_t>(level)].size();
        if (size != options.perLevel) {
            std::fputs(qPrintable(QStringLiteral("level %1 stayed short: %2 entries\n").arg(level).arg(size)), stderr);
            return ExitFailure;
        }
    }
    QString error;
    // Each file whole or not at all, every write checked: a full disk never
    // leaves a cut-off file under its final name.
    if (!grader::writeBank(
            bank, dir,
            [](const QString &path, const QStringList &lines, QString *why) {
                return atomictext::writeLines(path, lines, why, {.removeLeftovers = false});
            },
            &error)) {
        std::fputs(qPrintable(error + QLatin1Char('\n')), stderr);
        return ExitFailure;
    }
    return report(QStringLiteral("seed %1: %2 candidates, 5 x %3 entries in %4 ms, written to %5\n")
                      .arg(options.seed)
                      .arg(examined)
                      .arg(options.perLevel)
                      .arg(timer.elapsed())
                      .arg(dir));
}

int runBank(const QStringList &args)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("verify"))
        return verify(args.mid(1));
    if (sub == QLatin1String("generate"))
        return generate(args.mid(1));
    return usage(kUsage);
}

} // namespace

const Command &bankCommand()
{
    static const Command command{"bank", "verify the built-in puzzle bank, or generate a new one", kHelp, runBank};
    return command;
}
