#include "exchange/PrintPage.h"

#include "base/AtomicTextFile.h"

#include <QDir>

namespace printpage {

namespace {

constexpr int kFirstSearchedLine = 39; // markers are looked for from here on

const char kLabelStyle[] = R"(style="font-family: verdana; font-size: 8pt; color: black; text-align: center;")";
const char kCellStyle[] = "border: 1px solid rgb(170, 170, 170); font-family: verdana; ";

QStringList buildTemplate()
{
    QStringList t{
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">)",
        "<html>",
        "<head>",
        "<title>Sudoku Nodala v3.0 - Printable Board</title>",
        R"(<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)",
        R"(<meta name="generator" content="Sudoku Nodala v3.0">)",
        "</head>",
        R"(<body bgcolor="#ffffff" style="background-color: white;">)",
        "<center>",
        R"(<table border="0" cellpadding="0" cellspacing="4">)",
        "<tbody>",
        R"(<tr><td colspan="2" style="text-align: center;">)",
        R"(<font size="5"><b>Sudoku</b></font><br>)",
        R"(<font size="2">Printed from Sudoku Nodala v3.0</font>)",
        "</td></tr>",
        "<tr><td>&nbsp;</td>",
        QStringLiteral(R"(<td><table border="0" cellpadding="0" cellspacing="0" %1><tr>)").arg(kLabelStyle),
    };
    for (int c = 1; c <= 9; ++c)
        t << QStringLiteral(R"(<td style="width: 62px;">%1</td>)").arg(c);
    t << "</tr></table></td></tr>"
      << "<tr>"
      << QStringLiteral(R"(<td style="vertical-align: top;"><table border="0" cellpadding="0" cellspacing="0" %1>)")
             .arg(kLabelStyle);
    for (char r = 'A'; r <= 'I'; ++r)
        t << QStringLiteral(R"(<tr><td style="height: 60px; padding: 0px 4px;">%1</td></tr>)").arg(QLatin1Char(r));
    t << "</table></td>"
      << "<td>"
      << R"(<table border="0" cellpadding="0" cellspacing="0" style="border: 2px solid black;">)"
      << "<tbody>";
    const QString sample = cellMarkup(stCandidates, QString());
    for (int band = 0; band < 3; ++band) {
        t << "<tr>";
        for (int stack = 0; stack < 3; ++stack) {
            t << R"(<td style="border: 1px solid black; background-color: white; font-family: verdana; font-size: 8pt;">)";
            const QString name = QStringLiteral("%1%2").arg(QLatin1Char('A' + band)).arg(stack + 1);
            t << QStringLiteral(R"(<table id="%1" border="0" cellpadding="0" cellspacing="0"><tr>)").arg(name);
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    t << QStringLiteral("node%1%2 %3").arg(3 * band + i + 1).arg(3 * stack + j + 1).arg(sample);
                t << (i < 2 ? "</tr><tr>" : "</tr>");
            }
            t << "</table>"
              << "</td>";
        }
        t << "</tr>";
    }
    t << "</tbody>"
      << "</table>"
      << "</td>"
      << "</tr>"
      << "</tbody>"
      << "</table>"
      << "</center>"
      << "</body>"
      << "</html>";
    return t;
}

} // namespace

const QStringList &Memo_model()
{
    static const QStringList lines = buildTemplate();
    return lines;
}

QString escapeHtml(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        switch (u) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&#39;");
            break;
        default:
            // Control characters would break the page's lines; the file is
            // Latin-1, so anything beyond it goes as a reference too.
            if (u < 32 || (u >= 127 && u < 160) || u > 255)
                out += QStringLiteral("&#%1;").arg(u);
            else
                out += ch;
        }
    }
    return out;
}

QString cellMarkup(int state, const QString &value)
{
    const QString text = escapeHtml(value);
    const QString style = QLatin1String(kCellStyle);
    if (state == stFixed || state == stBigNumber)
        return QStringLiteral(R"(<td style="%1font-size: 22pt; color: %2; width: 60px; height: 60px; )"
                              R"(text-align: center;">%3</td>)")
            .arg(style, state == stFixed ? QStringLiteral("black") : QStringLiteral("blue"), text);
    return QStringLiteral(R"(<td style="%1font-size: 7pt; color: black; width: 60px; height: 60px; )"
                          R"(text-align: left; vertical-align: top;">%2 &nbsp;</td>)")
        .arg(style, text);
}

QStringList pageLines(const CellGrid &board)
{
    QStringList lines = Memo_model();
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
            const QString marker = QStringLiteral("node%1%2").arg(r).arg(c);
            for (qsizetype i = kFirstSearchedLine - 1; i < lines.size(); ++i)
                if (lines.at(i).startsWith(marker)) {
                    lines[i] = cellMarkup(board.at(r, c).state, board.at(r, c).value);
                    break;
                }
        }
    return lines;
}

QString pageText(const CellGrid &board)
{
    QString text;
    for (const QString &line : pageLines(board))
        text += line + QLatin1String("\r\n");
    return text;
}

QString writePage(const QString &directory, const CellGrid &board)
{
    const QString path = QDir(directory).filePath(QString::fromUtf16(kFileName));
    // A fresh file every time: a link planted in its place would otherwise
    // have the page written over whatever it points to.
    QString error;
    atomictext::writeLines(path, pageLines(board), &error, {.replaceLink = true});
    return error;
}

} // namespace printpage
