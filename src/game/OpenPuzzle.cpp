// Puzzles from outside the game: File > Open Puzzle File..., a file or a
// text dropped on the window, a file named on the command line.
#include "game/Windows.h"
#include "game/main.h"
#include "play/PlayModel.h"

#include "exchange/PuzzleOpener.h"
#include "periphery/Seams.h"
#include "play/OptionsDialog.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>

bool TForm1::MayReplaceGame()
{
    // The question New Game asks, on the same option.
    return !(play_.options().askNewGame && puzzleOnBoard_ && WC_Label->isHidden())
        || seams::messages().ask(QStringLiteral("Do you want to end the game in progress and start a new one?"));
}

void TForm1::OpenPuzzleFileClick()
{
    if (MayReplaceGame())
        w_.puzzleOpener->OpenFileClick();
}

void TForm1::OpenPuzzleFile(const QString &path)
{
    if (MayReplaceGame())
        w_.puzzleOpener->OpenFile(path);
}

void TForm1::NextPuzzleClick()
{
    if (w_.puzzleOpener->HasNext() && MayReplaceGame())
        w_.puzzleOpener->PlayNext();
}

void TForm1::UpdateNextPuzzle() { NextPuzzle1->setEnabled(w_.puzzleOpener->HasNext()); }

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if ((data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile()) || data->hasText())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    seams::guard([&] { OpenDropped(*event->mimeData()); });
}

void TForm1::OpenDropped(const QMimeData &data)
{
    if (data.hasUrls() && !data.urls().isEmpty() && data.urls().first().isLocalFile())
        OpenPuzzleFile(data.urls().first().toLocalFile());
    else if (data.hasText() && MayReplaceGame())
        w_.puzzleOpener->OpenText(data.text().toUtf8());
}
