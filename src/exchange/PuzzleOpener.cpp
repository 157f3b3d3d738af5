#include "exchange/PuzzleOpener.h"

#include "board/BoardLogic.h"
#include "board/GameHost.h"
#include "board/PICSD33.h"
#include "exchange/PuzzleCollection.h"
#include "exchange/PuzzlePicker.h"
#include "periphery/Seams.h"
#include "solver/Usol.h"

#include <QFileInfo>

PuzzleOpener::PuzzleOpener(GameHost &host, Tfrm_sol *const &solver)
    : host_(host), solver_(solver), board_(std::make_unique<TPICSD33>())
{
}

PuzzleOpener::~PuzzleOpener() = default;

QString PuzzleOpener::fileFilters()
{
    return tr("Puzzle files (*.sdk *.sdm *.ss *.txt *.opensudoku *.xml)") + QStringLiteral(";;") + tr("All files (*)");
}

void PuzzleOpener::OpenFileClick()
{
    if (const std::optional<QString> path = seams::fileChooser().openFile(tr("Open Puzzle File"), fileFilters()))
        OpenFile(*path);
}

bool PuzzleOpener::OpenFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return Open(puzzlefile::readPuzzleFile(path, name), name);
}

bool PuzzleOpener::OpenText(const QByteArray &text)
{
    const QString name = tr("The dropped text");
    return Open(puzzlefile::readPuzzleBytes(text, name), name);
}

bool PuzzleOpener::Open(const puzzlefile::FileRead &read, const QString &name)
{
    if (!read.ok()) {
        seams::messages().report(read.error);
        return false;
    }
    if (read.puzzles.size() == 1)
        return Play(read.puzzles.first());
    auto collection = std::make_unique<PuzzleCollection>(read.puzzles);
    PuzzlePicker picker(*collection, name, host_.MainWindow());
    if (picker.exec() != QDialog::Accepted || picker.chosen() < 0)
        return false;
    collection_ = std::move(collection);
    played_ = picker.chosen();
    return Play(collection_->puzzles().at(played_));
}

bool PuzzleOpener::HasNext() { return collection_ && collection_->mayHaveNext(played_); }

bool PuzzleOpener::PlayNext()
{
    const int next = collection_ ? collection_->next(played_) : -1;
    if (next < 0)
        return false;
    played_ = next;
    return Play(collection_->puzzles().at(played_));
}

bool PuzzleOpener::Play(const puzzlefile::Puzzle &puzzle)
{
    // The create-or-import window's check: a board without a blank is its
    // own solution.
    const QString text = puzzlefile::puzzleString(puzzle);
    QString solution, second;
    int verdict = solver_->CheckPuzzle(text, solution, second);
    if (!text.contains(QLatin1Char('*'))) {
        verdict = 0;
        solution = text;
    }
    if (verdict == 1) {
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
        return false;
    }
    if (verdict == 2
        && !seams::messages().ask(QStringLiteral("This Puzzle has multiple solutions,Do you want to solve it anyway?")))
        return false;
    CellGrid &g = board_->grid();
    for (int i = 0; i < 81; ++i) {
        const bool given = puzzle.givens.at(i) != '0';
        g[i].state = given ? stBigNumber : stCandidates;
        g[i].value = given ? QString(QLatin1Char(puzzle.givens.at(i))) : QString();
    }
    boardlogic::fillCandidates(g, boardlogic::Open::All);
    host_.PlayPuzzle(*board_, verdict == 0 ? solution : QString());
    return true;
}
