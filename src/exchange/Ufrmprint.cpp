#include "exchange/Ufrmprint.h"

#include "board/PICSD33.h"
#include "exchange/GameHost.h"
#include "exchange/PrintPage.h"
#include "periphery/Seams.h"

#include <QDir>

QString Tfrmprint::Button1Click()
{
    const CellGrid &board = host_.MainBoard()->grid();
    Memo1 = printpage::pageLines(board);
    const QString error = printpage::writePage(QDir::currentPath(), board);
    if (error.isEmpty())
        seams::shell().open(QDir::current().filePath(QString::fromUtf16(printpage::kFileName)));
    return error;
}
