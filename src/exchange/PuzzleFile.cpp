#include "exchange/PuzzleFile.h"

#include "base/TextLines.h"
#include "exchange/ImportReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <string_view>

namespace puzzlefile {

namespace {

using Text = std::string_view;

// Titles are for a list; a runaway comment is cut.
constexpr qsizetype kMaxTitle = 120;
// The import dialog's box holds no more; a larger text is none of its layouts.
constexpr qsizetype kImportBoxLimit = 32 * 1024;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isCell(char c) { return (c >= '1' && c <= '9') || c == '0' || c == '.' || c == '*'; }
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }
bool isAlnum(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char cellOf(char c) { return c >= '1' && c <= '9' ? c : '0'; }

Text trimmed(Text t)
{
    while (!t.empty() && isSpace(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isSpace(t.back()))
        t.remove_suffix(1);
    return t;
}

QString titleFrom(Text t)
{
    t = trimmed(t.substr(0, 4 * kMaxTitle));
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())).simplified().left(kMaxTitle);
}

Text toText(QByteArrayView b) { return Text(b.data(), static_cast<size_t>(b.size())); }

// 81 cells from the start of t, each "1".."9" or a blank; nothing more.
bool readCells(Text t, QByteArray &givens)
{
    if (t.size() < 81)
        return false;
    givens.resize(81);
    for (size_t i = 0; i < 81; ++i) {
        if (!isCell(t[i]))
            return false;
        givens[static_cast<qsizetype>(i)] = cellOf(t[i]);
    }
    return true;
}

// A library line: ":tttt:x:" (technique code, digits) then the cells, a
// digit placed in the position marked with "+" and taken as a given.
bool readLibraryLine(Text line, QByteArray &givens)
{
    size_t p = 1, start = 1;
    if (line.empty() || line[0] != ':')
        return false;
    while (p < line.size() && isAlnum(line[p]))
        ++p;
    if (p == start || p - start > 8 || p >= line.size() || line[p] != ':')
        return false;
    for (++p; p < line.size() && line[p] != ':'; ++p)
        if (!isDigit(line[p]) && line[p] != 'x')
            return false;
    if (p >= line.size())
        return false;
    givens.clear();
    for (++p; p < line.size() && line[p] != ':'; ++p) {
        const char c = line[p];
        if (c == '+' && p + 1 < line.size() && line[p + 1] >= '1' && line[p + 1] <= '9')
            continue;
        if (!isCell(c) || givens.size() == 81)
            return false;
        givens.append(cellOf(c));
    }
    return givens.size() == 81;
}

// An address with "bd=" and the 81 cells, "0" for a blank.
bool readAddress(Text line, QByteArray &givens)
{
    for (size_t at = line.find("bd="); at != Text::npos; at = line.find("bd=", at + 3)) {
        const Text rest = line.substr(at + 3);
        if (readCells(rest, givens) && (rest.size() == 81 || !isCell(rest[81])))
            return true;
    }
    return false;
}

// A game ID of the 9 x 9 classic: "3x3:", a letter for each run of blanks
// ("a" one, "z" 26), digits for givens and "_" between two adjacent ones.
bool readGameId(Text line, QByteArray &givens)
{
    for (size_t at = line.find("3x3:"); at != Text::npos; at = line.find("3x3:", at + 4)) {
        if (at > 0 && isAlnum(line[at - 1]))
            continue;
        givens.clear();
        size_t p = at + 4;
        bool bad = false;
        for (; p < line.size() && !bad; ++p) {
            const char c = line[p];
            if (c >= 'a' && c <= 'z') {
                givens.append(c - 'a' + 1, '0');
            } else if (c >= '1' && c <= '9') {
                bad = p + 1 < line.size() && isDigit(line[p + 1]); // two-digit numbers belong to larger grids
                givens.append(c);
            } else if (c != '_') {
                break;
            }
            bad = bad || givens.size() > 81;
        }
        if (!bad && givens.size() == 81)
            return true;
    }
    return false;
}

// A line of 81 cells, perhaps followed by a comment, which is its title.
bool readPuzzleLine(Text line, Puzzle &puzzle)
{
    if (!readCells(line, puzzle.givens) || (line.size() > 81 && isCell(line[81])))
        return false;
    Text comment = line.substr(81);
    while (!comment.empty() && (isSpace(comment.front()) || Text("#;,|").find(comment.front()) != Text::npos))
        comment.remove_prefix(1);
    puzzle.title = titleFrom(comment);
    return true;
}

// A row of a grid: nine cells, with blanks and bars between them.
bool readRow(Text line, QByteArray &row)
{
    row.clear();
    for (const char c : line) {
        if (isCell(c)) {
            if (row.size() == 9)
                return false;
            row.append(cellOf(c));
        } else if (!isSpace(c) && c != '|' && c != '!' && c != ':') {
            return false;
        }
    }
    return row.size() == 9;
}

// A frame line of a drawn grid, or an empty line.
bool isFrame(Text line)
{
    for (const char c : line)
        if (!isSpace(c) && Text("-+|*=:_").find(c) == Text::npos)
            return false;
    return true;
}

// Header lines "#X text": the name first, then the description, the
// author, and a comment without a code last.
int headerRank(Text line)
{
    if (line.size() >= 2 && line[1] >= 'A' && line[1] <= 'Z' && (line.size() == 2 || isSpace(line[2]))) {
        const char code = line[1];
        return code == 'N' ? 0 : code == 'D' ? 1 : code == 'A' ? 2 : -1;
    }
    return 3;
}

class LineReader {
public:
    explicit LineReader(QList<Puzzle> &out) : out(out) {}

    void line(Text raw)
    {
        const Text line = trimmed(raw);
        Puzzle p;
        if (line.starts_with('#')) {
            const int rank = headerRank(line);
            if (rank >= 0 && rank < titleRank && !trimmed(line.substr(rank < 3 ? 2 : 1)).empty()) {
                titleRank = rank;
                title = titleFrom(line.substr(rank < 3 ? 2 : 1));
            }
            return;
        }
        if (line.starts_with('[')) {
            // Only the puzzle's own section holds givens; a saved state's rows are not a puzzle.
            otherSection = line != "[Puzzle]" && line != "[puzzle]";
            rows.clear();
            return;
        }
        if (readLibraryLine(line, p.givens) || readAddress(line, p.givens) || readGameId(line, p.givens)
            || readPuzzleLine(line, p)) {
            rows.clear();
            out.append(std::move(p));
            return;
        }
        QByteArray row;
        if (readRow(line, row)) {
            if (otherSection)
                return;
            rows += row;
            if (rows.size() == 81) {
                out.append(Puzzle{rows, title});
                rows.clear();
                title.clear();
                titleRank = 4;
            }
        } else if (!isFrame(line)) {
            rows.clear(); // words between rows: what came before is no grid
        }
    }

private:
    QList<Puzzle> &out;
    QByteArray rows;
    QString title;
    int titleRank = 4;
    bool otherSection = false;
};

QString xmlText(Text t)
{
    QString s = titleFrom(t);
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

// OpenSudoku: every <game data="..."/>, titled with the collection's <name>.
void readOpenSudoku(Text text, QList<Puzzle> &out)
{
    QString name;
    if (const size_t at = text.find("<name>"); at != Text::npos) {
        const size_t end = text.find("</name>", at);
        if (end != Text::npos)
            name = xmlText(text.substr(at + 6, end - at - 6));
    }
    for (size_t at = text.find("<game"); at != Text::npos; at = text.find("<game", at + 5)) {
        const size_t end = text.find('>', at);
        const Text tag = text.substr(at, end == Text::npos ? Text::npos : end - at);
        for (size_t d = tag.find("data="); d != Text::npos; d = tag.find("data=", d + 5)) {
            if (d > 0 && !isSpace(tag[d - 1]) && tag[d - 1] != '\n' && tag[d - 1] != '\r')
                continue;
            const Text value = tag.substr(d + 5);
            Puzzle p;
            if (!value.empty() && (value[0] == '"' || value[0] == '\'') && readCells(value.substr(1), p.givens)
                && value.size() > 82 && value[82] == value[0]) {
                p.title = name;
                out.append(std::move(p));
            }
            break;
        }
    }
}

// What the import dialog reads, for a text none of the above holds. Its
// candidate grid must have nine rows, so that a list of puzzles is not
// taken for one.
void readAsImport(Text text, QList<Puzzle> &out)
{
    if (text.size() > kImportBoxLimit)
        return;
    const importreader::ImportResult r = importreader::readImport(
        importreader::asTextBoxText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    if (!r.valid())
        return;
    if (r.rule == 4) {
        int rows = 0;
        textlines::forEachLine(text.data(), text.data() + text.size(), [&](const char *b, const char *e) {
            rows += std::any_of(b, e, [](char c) { return c >= '1' && c <= '9'; });
        });
        if (rows != 9)
            return;
    }
    Puzzle p;
    p.givens.fill('0', 81);
    for (int i = 0; i < 81; ++i)
        if (r.cells.grid()[i].state == stBigNumber)
            p.givens[i] = r.cells.grid()[i].value.at(0).toLatin1();
    out.append(std::move(p));
}

QString tr(const char *text) { return QCoreApplication::translate("PuzzleFile", text); }

QString noPuzzleMessage(Text text, const QString &name)
{
    if (text.find_first_not_of(" \t\r\n\f\v") == Text::npos)
        return tr("%1 holds no puzzle: it is empty.").arg(name);
    if (text.substr(0, 4096).find('\0') != Text::npos)
        return tr("%1 holds no puzzle: it is not a text file.").arg(name);
    return tr("%1 holds no puzzle: it has no line of 81 cells, no grid of nine rows of nine, "
              "no puzzle address (bd=), game ID, library line or OpenSudoku game.")
        .arg(name);
}

} // namespace

QList<Puzzle> readPuzzles(QByteArrayView bytes)
{
    QByteArray converted;
    if (bytes.size() >= 2 && ((bytes[0] == '\xff' && bytes[1] == '\xfe') || (bytes[0] == '\xfe' && bytes[1] == '\xff'))) {
        QStringDecoder decode(bytes[0] == '\xff' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        converted = QString(decode(bytes.sliced(2))).toUtf8();
        bytes = converted;
    } else if (bytes.startsWith("\xef\xbb\xbf")) {
        bytes = bytes.sliced(3);
    }
    const Text text = toText(bytes);
    QList<Puzzle> out;
    if (text.find("<game") != Text::npos)
        readOpenSudoku(text, out);
    if (out.isEmpty()) {
        LineReader reader(out);
        textlines::forEachLine(text.data(), text.data() + text.size(),
                               [&](const char *b, const char *e) { reader.line(Text(b, static_cast<size_t>(e - b))); });
    }
    if (out.isEmpty())
        readAsImport(text, out);
    return out;
}

FileRead readPuzzleBytes(QByteArrayView bytes, const QString &name)
{
    FileRead r;
    r.puzzles = readPuzzles(bytes);
    if (!r.ok())
        r.error = noPuzzleMessage(toText(bytes), name);
    return r;
}

FileRead readPuzzleDevice(QIODevice &device, const QString &name)
{
    FileRead r;
    const QString tooLarge = tr("%1 is larger than 64 MB and is not read.").arg(name);
    if (!device.isSequential() && device.size() > kMaxFileBytes) {
        r.error = tooLarge;
        return r;
    }
    QByteArray bytes;
    if (!device.isSequential())
        bytes.reserve(device.size());
    char chunk[1 << 16];
    for (;;) { // by chunks: a device that never ends stops at the limit
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n < 0) {
            r.error = tr("%1 cannot be read: %2.").arg(name, device.errorString());
            return r;
        }
        if (n == 0)
            break;
        bytes.append(chunk, n);
        if (bytes.size() > kMaxFileBytes) {
            r.error = tooLarge;
            return r;
        }
    }
    return readPuzzleBytes(bytes, name);
}

FileRead readPuzzleFile(const QString &path, const QString &name)
{
    if (QFileInfo(path).isDir())
        return FileRead{{}, tr("%1 cannot be read: it is a folder.").arg(name)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileRead{{}, tr("%1 cannot be read: %2.").arg(name, file.errorString())};
    return readPuzzleDevice(file, name);
}

QString puzzleString(const Puzzle &puzzle)
{
    QString s = QString::fromLatin1(puzzle.givens);
    s.replace(QLatin1Char('0'), QLatin1Char('*'));
    return s;
}

int givensCount(const Puzzle &puzzle)
{
    return static_cast<int>(81 - puzzle.givens.count('0'));
}

} // namespace puzzlefile
