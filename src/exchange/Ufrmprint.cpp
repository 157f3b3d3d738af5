#include "exchange/Ufrmprint.h"

#include "board/PICSD33.h"
#include "board/GameHost.h"
#include "exchange/PrintPage.h"
#include "periphery/Seams.h"

#include <QDir>

void Tfrmprint::Button1Click()
{
    const CellGrid &board = host_.MainBoard()->grid();
    Memo1 = printpage::pageLines(board);
    const QString page = QDir::current().filePath(QString::fromUtf16(printpage::kFileName));
    const QString error = printpage::writePage(QDir::currentPath(), board);
    if (!error.isEmpty()) {
        seams::messages().error(
            QStringLiteral("The printable board could not be written to \"%1\": %2").arg(QDir::toNativeSeparators(page), error));
        return;
    }
    // The page is there even when nothing opens it: say where, so the
    // player can open it by hand.
    if (!seams::shell().open(page))
        seams::messages().report(
            QStringLiteral("No program could open the printable board. It was written to \"%1\".")
                .arg(QDir::toNativeSeparators(page)));
}
