#pragma once

// Runs the built sudoku-tool (SUDOKU_TOOL) as a user does.
#include <QProcess>
#include <QStringList>

#include <functional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace toolrun {

struct Run {
    int status = -1;
    QByteArray out, err;
};

enum class Stdin { Piped, Closed };

// Feeds input on standard input (or closes it), and sends standard output
// to outFile when one is given.
inline Run tool(const QStringList &args, const QByteArray &input = {}, Stdin in = Stdin::Piped,
                const QString &outFile = {})
{
    QProcess p;
#ifdef Q_OS_UNIX
    if (in == Stdin::Closed)
        p.setChildProcessModifier([] { ::close(0); });
#else
    // Windows starts no process without its standard handles.
    if (in == Stdin::Closed)
        p.setStandardInputFile(QProcess::nullDevice());
#endif
    if (!outFile.isEmpty())
        p.setStandardOutputFile(outFile);
    p.start(QStringLiteral(SUDOKU_TOOL), args);
    if (in == Stdin::Piped) {
        p.write(input);
        p.closeWriteChannel();
    }
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace toolrun
