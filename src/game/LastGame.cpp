// The game on the board across runs: "lastgame.dat".
#include "base/AtomicTextFile.h"
#include "base/Digits.h"
#include "game/DigitPad.h"
#include "puzzle/Levels.h"
#include "puzzle/QJ.h"
#include "game/Windows.h"
#include "game/Keyboard.h"
#include "game/main.h"
#include "play/PlayModel.h"
#include "periphery/Seams.h"
#include "records/GameRecordFile.h"
#include "records/Ufrmstep.h"

#include <QDir>
#include <QFileInfo>
#include <QRadioButton>

QString TForm1::LastGamePath() const { return QDir(programDir).filePath(QString::fromLatin1(gamerecord::kFileName)); }

void TForm1::SaveLastGame()
{
    QStringList lines;
    lines << QString::number(play_.level()) + QLatin1Char(' ') + sd991->GivensString();
    lines << QJ1->GetSolution();
    lines += w_.frmstep->memostep;
    QString error;
    if (!atomictext::writeLines(LastGamePath(), lines, &error))
        seams::messages().report(QStringLiteral("The game could not be saved to \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(LastGamePath()), error));
}

void TForm1::Con1Click()
{
    try {
        LoadLastGame();
    } catch (...) {
        // Continuing an unreadable record leaves what the steps before the
        // failure did, and says nothing.
    }
}

void TForm1::LoadLastGame()
{
    // A directory of that name is no record either.
    if (!QFileInfo(LastGamePath()).isFile())
        return;
    Tfrmstep *history = w_.frmstep;
    ClearGame();
    rb_none->setChecked(true);
    digitPad->setDown(1);
    history->ClearSteps();
    // Every step must read back, or stepping to a damaged one later would
    // fail in the middle of play: such a record is not resumed at all, and
    // its steps do not enter the history. Each step is checked as it is
    // read, so a damaged record costs no more than its good start.
    QString first, second;
    QStringList steps;
    qsizetype number = 0;
    const bool read = atomictext::forEachLine(LastGamePath(), gamerecord::kMaxBytes, [&](QString &&line) {
        ++number;
        if (number == 1) {
            first = std::move(line);
        } else if (number == 2) {
            second = std::move(line);
        } else {
            CheckStepLine(line);
            steps.append(std::move(line));
        }
    });
    if (!read)
        throw ConvertError(QStringLiteral("The last game cannot be read."));
    history->memostep = std::move(steps);
    const int level = digitValue(first.isEmpty() ? QChar() : first.at(0));
    QJ1->SetGivens(first.mid(2));
    QJ1->SetSolution(second);
    history->curstep = static_cast<int>(history->memostep.size()) - 1;
    StepLineToBoard(sd991->grid(), history->memostep.value(history->curstep));
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        cell->state = QJ1->node(cell->row, cell->col).given == 1 ? stFixed : stCandidates;
    }
    sd991->setEnabled(true);
    sd991->RefreshStyle();
    play_.setLevel(level);
    UpdateStepButtons();
    LoadPuzzle(false);
    UpdateDigitBars();
    disnote1Click();
    play_.setLevel(level);
    sd991->HideMarks();
    if (level >= 0 && level <= 5)
        ndtxt->setText(levels::caption(level));
    tblastClick();
    keys_->keysToBoard();
    TimeLabel1->setTimerenabled(true);
    TimeLabel1->setMS(0);
}
