#include "ToolIo.h"

#include "Command.h"

#include <QFileInfo>

#include <cstdio>

namespace toolio {

namespace {
constexpr qsizetype kChunk = 1 << 16;
}

int fail(const char *command, const QString &message)
{
    QByteArray text = "sudoku-tool";
    if (command && *command)
        text += ' ' + QByteArray(command);
    text += ": " + message.toLocal8Bit() + '\n';
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    return ExitUsage;
}

bool openInput(const char *command, const QString &path, QFile &file)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        if (file.open(stdin, QIODevice::ReadOnly))
            return true;
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
    const qint64 n = in.read(buffer.data(), kChunk);
    if (n <= 0) {
        error = n < 0;
        atEnd = true;
        buffer.clear();
        pos = 0;
        return false;
    }
    buffer.resize(n);
    pos = 0;
    return true;
}

bool LineReader::next(QByteArray &line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (pos >= buffer.size() && !fill())
            return any;
        if (skipLf) {
            skipLf = false;
            if (buffer.at(pos) == '\n') {
                ++pos;
                continue;
            }
        }
        any = true;
        const char *data = buffer.constData();
        qsizetype end = pos;
        while (end < buffer.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        const qsizetype room = keep - line.size();
        if (room > 0)
            line.append(data + pos, qMin(room, end - pos));
        if (end < buffer.size()) {
            skipLf = data[end] == '\r';
            pos = end + 1;
            return true;
        }
        pos = end;
    }
}

Output::Output()
{
    out.open(stdout, QIODevice::WriteOnly);
    buffer.reserve(kChunk + 256);
}

Output::~Output() { flush(); }

void Output::write(const char *bytes, qsizetype size)
{
    buffer.append(bytes, size);
    if (buffer.size() >= kChunk)
        flush();
}

void Output::write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }

bool Output::flush()
{
    const bool ok = buffer.isEmpty() || out.write(buffer) == buffer.size();
    buffer.clear();
    return out.flush() && ok;
}

} // namespace toolio
