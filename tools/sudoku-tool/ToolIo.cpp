#include "ToolIo.h"

#include "Command.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace toolio {

namespace {

constexpr qsizetype kChunk = 1 << 16;

bool stdinClosed = false;

} // namespace

void guardStandardStreams()
{
#ifdef Q_OS_WIN
    // The C runtime's text mode would turn CR LF into LF and stop reading at
    // a Ctrl+Z: the tool reads and writes the same bytes on every platform.
    // A stream the process was started without has no number.
    stdinClosed = _fileno(stdin) < 0;
    for (std::FILE *stream : {stdin, stdout, stderr})
        if (_fileno(stream) >= 0)
            _setmode(_fileno(stream), _O_BINARY);
#else
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        if (fd == 0)
            stdinClosed = true;
        // open() takes the lowest free number, which is fd.
        const int got = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (got != fd && got >= 0)
            ::close(got);
    }
#endif
}

int fail(const char *command, const QString &message)
{
    QByteArray text = "sudoku-tool";
    if (command && *command)
        text += ' ' + QByteArray(command);
    text += ": " + message.toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fflush(stderr);
    return ExitUsage;
}

std::optional<QString> fileArgument(const char *command, const QStringList &args)
{
    QString path;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            fail(command, QStringLiteral("unknown option '%1' (try 'sudoku-tool help %2')").arg(arg, QLatin1String(command)));
            return std::nullopt;
        }
        if (!path.isNull()) {
            fail(command, QStringLiteral("too many arguments (try 'sudoku-tool help %1')").arg(QLatin1String(command)));
            return std::nullopt;
        }
        path = arg;
    }
    return path;
}

bool openInput(const char *command, const QString &path, QFile &file)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        if (stdinClosed) {
            fail(command, QStringLiteral("standard input is closed"));
            return false;
        }
#ifdef Q_OS_WIN
        // Through the descriptor: reading the C runtime's stream fails at
        // the end of a pipe (seen under Wine), the descriptor simply ends.
        if (file.open(_fileno(stdin), QIODevice::ReadOnly))
            return true;
#else
        if (file.open(stdin, QIODevice::ReadOnly))
            return true;
#endif
        fail(command, QStringLiteral("cannot read standard input"));
        return false;
    }
    if (QFileInfo(path).isDir()) {
        fail(command, QStringLiteral("cannot read '%1': it is a directory").arg(path));
        return false;
    }
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return true;
    fail(command, QStringLiteral("cannot read '%1': %2").arg(path, file.errorString()));
    return false;
}

LineReader::LineReader(QIODevice &device, int keep) : in(device), keep(keep) {}

bool LineReader::fill()
{
    if (atEnd)
        return false;
    buffer.resize(kChunk);
    qint64 n = in.read(buffer.data(), kChunk);
    qsizetype skip = 0;
    if (atStart && n > 0) {
        atStart = false;
        // A byte-order mark is no part of the first line; a pipe may hand
        // it over in pieces.
        while (n > 0 && n < 3) {
            const qint64 more = in.read(buffer.data() + n, kChunk - n);
            if (more <= 0)
                break;
            n += more;
        }
        if (n >= 3 && buffer.startsWith("\xEF\xBB\xBF"))
            skip = 3;
    }
    if (n <= 0) {
        error = n < 0;
        atEnd = true;
        buffer.clear();
        return false;
    }
    buffer.resize(n);
    // A CR that ended the last chunk and an LF that starts this one are one
    // line end.
    scanner = textlines::Scanner<char>(buffer.constData() + skip, buffer.constData() + n, scanner.endsInCr());
    return true;
}

bool LineReader::next(QByteArray &line)
{
    line.clear();
    bool any = false;
    const char *first, *last;
    bool ended;
    for (;;) {
        if (!scanner.next(first, last, ended)) {
            if (!fill())
                return any;
            continue;
        }
        any = true;
        const qsizetype room = keep - line.size();
        if (room > 0)
            line.append(first, qMin(room, last - first));
        if (ended)
            return true;
    }
}

Output::Output()
{
    error = !out.open(stdout, QIODevice::WriteOnly);
    buffer.reserve(kChunk + 256);
}

Output::~Output() { flush(); }

void Output::write(const char *bytes, qsizetype size)
{
    if (error)
        return;
    buffer.append(bytes, size);
    if (buffer.size() >= kChunk)
        flush();
}

void Output::write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }

bool Output::flush()
{
    if (!error && !buffer.isEmpty() && out.write(buffer) != buffer.size())
        error = true;
    buffer.clear();
    if (!error && (!out.flush() || std::ferror(stdout)))
        error = true;
    return !error;
}

int runLines(const char *command, const QStringList &args, int keep, const char *what,
             const std::function<void(const QByteArray &line, QByteArray &answer)> &answer)
{
    const std::optional<QString> path = fileArgument(command, args);
    if (!path)
        return ExitUsage;
    QFile input;
    if (!openInput(command, *path, input))
        return ExitUsage;
    LineReader reader(input, keep);
    Output out;
    QByteArray line, text;
    while (!out.failed() && reader.next(line)) {
        text.clear();
        answer(line, text);
        out.write(text);
    }
    if (reader.failed())
        return fail(command, QStringLiteral("error reading '%1': %2").arg(inputName(*path), input.errorString()));
    if (!out.flush()) {
        fail(command, QStringLiteral("cannot write the %1").arg(QLatin1String(what)));
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace toolio
