#include "BankCommands.h"

#include "game/Ufrmtk.h"
#include "solver/grader/BankCheck.h"
#include "solver/grader/Generator.h"
#include "solver/grader/Grader.h"

#include <QElapsedTimer>
#include <QFile>

namespace bankcommands {

namespace {

void gradeLines(QTextStream &in, QTextStream &out)
{
    QString line;
    while (in.readLineInto(&line)) {
        // The first 81 characters are the cells: 1..9 a given, anything
        // else a blank, blank past the end of a short line.
        out << grader::grade(line).line() << '\n';
    }
    out.flush();
}

} // namespace

int grade(const QStringList &args, QTextStream &in, QTextStream &out, QTextStream &err)
{
    if (args.size() > 1) {
        err << "usage: grade [FILE]\n";
        return 2;
    }
    if (args.isEmpty()) {
        gradeLines(in, out);
        return 0;
    }
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << args.first() << ": " << file.errorString() << '\n';
        return 1;
    }
    QTextStream fileIn(&file);
    gradeLines(fileIn, out);
    return 0;
}

int bankVerify(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (!args.isEmpty()) {
        err << "usage: bank verify\n";
        return 2;
    }
    grader::Bank bank;
    for (int level = 0; level < 5; ++level)
        bank[static_cast<std::size_t>(level)] = Tfrmtk::builtInLevel(level);
    QElapsedTimer timer;
    timer.start();
    const grader::BankReport report = grader::verifyBank(bank);
    if (!report.ok) {
        err << "bad entry: " << report.firstBad << '\n';
        return 1;
    }
    out << report.summary << "checked in " << timer.elapsed() << " ms\n";
    return 0;
}

int bankGenerate(const QStringList &args, QTextStream &out, QTextStream &err)
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
        if (!ok) {
            err << "usage: bank generate --seed N --out DIR [--threads T]\n";
            return 2;
        }
    }
    if (!seedGiven || dir.isEmpty()) {
        err << "usage: bank generate --seed N --out DIR [--threads T]\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    long examined = 0;
    options.progress = [&](const std::array<int, 5> &, long n) { examined = n; };
    const grader::Bank bank = grader::generateBank(options);
    for (int level = 0; level < 5; ++level)
        if (bank[static_cast<std::size_t>(level)].size() != options.perLevel) {
            err << "level " << level << " stayed short: " << bank[static_cast<std::size_t>(level)].size() << " entries\n";
            return 1;
        }
    QString error;
    if (!grader::writeBank(bank, dir, &error)) {
        err << error << '\n';
        return 1;
    }
    out << "seed " << options.seed << ": " << examined << " candidates, 5 x " << options.perLevel << " entries in "
        << timer.elapsed() << " ms, written to " << dir << '\n';
    return 0;
}

int bank(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("verify"))
        return bankVerify(args.mid(1), out, err);
    if (sub == QLatin1String("generate"))
        return bankGenerate(args.mid(1), out, err);
    err << "usage: bank verify | bank generate --seed N --out DIR [--threads T]\n";
    return 2;
}

} // namespace bankcommands
