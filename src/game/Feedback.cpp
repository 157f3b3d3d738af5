// What the player reads off the board besides the digits: the digit
// counters, the cell colours, wrong digits and the finish.
#include "board/BoardLogic.h"
#include "game/DigitPad.h"
#include "puzzle/QJ.h"
#include "play/PlayModel.h"
#include "game/StatusLine.h"
#include "game/main.h"
#include "board/Colors.h"

#include <QLabel>
#include <QProgressBar>

namespace {

void setBarColor(QProgressBar *bar, TColor c)
{
    if (bar->property("TColor").toInt() == c && bar->property("TColor").isValid())
        return;
    bar->setProperty("TColor", c);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Highlight, toQColor(c));
    bar->setPalette(pal);
}

} // namespace

int TForm1::SelectedDigit() const { return digitPad->down(); }

bool TForm1::NoEmptyCell() const
{
    for (int i = 0; i < 81; ++i)
        if (sd991->cellAt(i)->value.isEmpty())
            return false;
    return true;
}

void TForm1::SetDigitButtons(int d)
{
    digitPad->setAllowAllUp(d == 0);
    if (d >= 1 && d <= 9)
        digitPad->setDown(d);
}

void TForm1::UpdateDigitBars()
{
    int count[10] = {};
    for (int i = 0; i < 81; ++i) {
        ++count[boardlogic::placedDigit(*sd991->cellAt(i))];
    }
    for (int d = 1; d <= 9; ++d) {
        QProgressBar *bar = ProgressBar[static_cast<size_t>(d)];
        // The bar's range is 0..9; a board with more of one digit (a clash)
        // shows it full, and the colour follows the position shown.
        bar->setValue(std::min(count[d], 9));
        setBarColor(bar, bar->value() == 9 ? clr::Red : clr::Blue);
    }
}

TColor TForm1::CellColor(int row, int col) const
{
    const TPicNode *cell = sd991->Cell(row, col);
    TColor c = sd991->BoxColor(row, col);
    if (cell->state != stCandidates && cell->value == QString::number(SelectedDigit()))
        c = clr::rgbOr(sd991->highcolor, builtin::Highlight);
    if (cell->errflag)
        c = sd991->errorcolor;
    return c;
}

void TForm1::RecolorCells()
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        const TColor c = CellColor(cell->row, cell->col);
        cell->setPanelColor(c);
        cell->setcolor(c);
    }
}

void TForm1::RefreshColors()
{
    RecolorCells();
    MarkWrongDigits();
}

void TForm1::HighlightDigit()
{
    const int d = SelectedDigit();
    if (d == 0)
        return;
    const QString digit = QString::number(d);
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sd991->cellAt(i);
        if (cell->value == digit && !cell->errflag && cell->state != stCandidates)
            cell->setPanelColor(clr::rgbOr(sd991->highcolor, builtin::Highlight));
    }
}

void TForm1::Finish()
{
    if (!sd991->IsSolved())
        return;
    sd991->setEnabled(false);
    WC_Label->show();
    // The winning move is the last step of the record.
    recordMove();
    TimeLabel1->setTimerenabled(false);
    ShowHelpText(play_.gameFinished(TimeLabel1->MS()));
}

void TForm1::MarkWrongDigits()
{
    QString digits(81, QLatin1Char('0'));
    for (int i = 0; i < 81; ++i) {
        const int s = QJ1->node(i / 9 + 1, i % 9 + 1).digit;
        if (s >= 1 && s <= 9)
            digits[i] = QChar(u'0' + s);
    }
    play_.findWrongDigits(sd991->grid(), digits);
    for (int i = 0; i < 81; ++i)
        if (play_.wrongDigit(i))
            sd991->cellAt(i)->setFontColorValue(clr::WrongDigit);
}

void TForm1::sayClashes()
{
    const int clashes = boardlogic::clashCount(sd991->grid());
    if (clashes > 1) {
        clashesSaid_ = QStringLiteral("%1 clashes on the board").arg(clashes);
        ShowHelpText(clashesSaid_);
    } else if (!clashesSaid_.isEmpty()) {
        if (sb1->panelText() == clashesSaid_)
            ClearHelpText();
        clashesSaid_.clear();
    }
}
