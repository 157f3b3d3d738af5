#include "board/CellSpeech.h"

#include "board/CellData.h"

#include <QStringList>

namespace cellspeech {

QString content(const Shown &cell)
{
    QString text;
    if (!cell.digit.isEmpty()) {
        text = (cell.state == stFixed ? QStringLiteral("given ") : QStringLiteral("your ")) + cell.digit;
    } else {
        text = QStringLiteral("empty");
        if (!cell.marks.isEmpty()) {
            QStringList digits;
            for (QChar d : cell.marks)
                digits << QString(d);
            text += QStringLiteral(", candidates ") + digits.join(QLatin1Char(' '));
        }
    }
    if (cell.clash)
        text += QStringLiteral(", clash");
    if (cell.wrong)
        text += QStringLiteral(", not part of the solution");
    return text;
}

QString name(const Shown &cell)
{
    return QStringLiteral("Row %1, column %2: ").arg(cell.row).arg(cell.col) + content(cell);
}

} // namespace cellspeech
