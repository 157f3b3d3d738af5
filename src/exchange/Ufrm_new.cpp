#include "exchange/Ufrm_new.h"

#include "board/BoardDesign.h"
#include "board/BoardLogic.h"
#include "board/PICSD33.h"
#include "board/UpdateLock.h"
#include "board/GameHost.h"
#include "exchange/UfrmImport.h"
#include "exchange/Ufrmdas.h"
#include "periphery/Centering.h"
#include "periphery/Seams.h"
#include "solver/Usol.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

Tfrm_new::Tfrm_new(GameHost &host, Tfrm_sol *const &solver, TfrmImport *const &import, TFrmdas *const &viewer,
                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(host), solver_(solver), import_(import), viewer_(viewer)
{
    setObjectName(QStringLiteral("frm_new"));
    setWindowTitle(QStringLiteral("Import or Create Sudoku"));

    sdnew = new TPICSD33(this);
    sdnew->setObjectName(QStringLiteral("sdnew"));
    applyDesign(*sdnew, kNewBoardDesign);
    sdnew->RefreshStyle();
    sdnew->setFixedSize(sdnew->size());

    auto button = [this](const char *name, const QString &caption, void (Tfrm_new::*handler)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        if (handler)
            seams::connectGuarded(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    Button1 = button("Button1", QStringLiteral("Check Puzzle"), &Tfrm_new::Button1Click);
    Button2 = button("Button2", QStringLiteral("Play Puzzle"), &Tfrm_new::Button2Click);
    Button3 = button("Button3", QStringLiteral("&Clear Grid"), &Tfrm_new::Button3Click);
    Button4 = button("Button4", QStringLiteral("&Quit"), nullptr);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    Button5 = button("Button5", QStringLiteral("Load Puzzle"), &Tfrm_new::Button5Click);
    Button6 = button("Button6", QStringLiteral("&Import"), &Tfrm_new::Button6Click);

    // The buttons top to bottom, in the order the keyboard visits them.
    auto *side = new QVBoxLayout;
    QWidget *previous = nullptr;
    for (QPushButton *b : {Button6, Button5, Button3, Button1, Button2, Button4}) {
        if (b != Button4)
            side->addWidget(b);
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    side->addStretch();
    side->addWidget(Button4);
    auto *layout = new QGridLayout(this);
    layout->addWidget(sdnew, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto notify = [this](bool on) {
        return [on](QObject *sender) {
            if (auto *panel = qobject_cast<Tmousepanel *>(sender))
                panel->setSingleBorder(on);
        };
    };
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sdnew->cellAt(i);
        cell->OnMouseDown = [this](QObject *sender, Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
            seams::guard([=, this] { CellMouseDown(sender, b); });
        };
        cell->OnMouseEnter = notify(true);
        cell->OnMouseLeave = notify(false);
        for (int k = 1; k <= 9; ++k) {
            Tmousepanel *mark = cell->marks[static_cast<size_t>(k)];
            mark->OnMouseDown = [this](QObject *sender, Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
                seams::guard([=, this] { MarkMouseDown(sender, b); });
            };
            mark->OnMouseEnter = cell->OnMouseEnter;
            mark->OnMouseLeave = cell->OnMouseLeave;
        }
    }
    ClearGrid();
}

QString Tfrm_new::PuzzleString() const
{
    QString puzzle;
    puzzle.reserve(81);
    for (int i = 0; i < 81; ++i) {
        const QString &v = sdnew->cellAt(i)->value;
        puzzle += v.size() == 1 ? v : QStringLiteral("*");
    }
    return puzzle;
}

int Tfrm_new::WindowCheck(QString &solution) const
{
    QString second;
    return WindowCheck(solution, second);
}

int Tfrm_new::WindowCheck(QString &solution, QString &second) const
{
    const QString puzzle = PuzzleString();
    int verdict = solver_->CheckPuzzle(puzzle, solution, second);
    if (!puzzle.contains(QLatin1Char('*'))) {
        verdict = 0;
        solution = puzzle;
    }
    return verdict;
}

void Tfrm_new::Button1Click()
{
    QString solution, second;
    switch (WindowCheck(solution, second)) {
    case 0:
        seams::messages().report(QStringLiteral("Check OK"));
        break;
    case 1:
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
        break;
    default:
        // The viewer is otherwise reached only through Show Solution of a
        // game already started.
        if (seams::messages().ask(QStringLiteral("This puzzle has multiple solution\n\n"
                                                 "Do you want to see two of its solutions?")))
            viewer_->ShowSolutions(solution, second);
        break;
    }
}

void Tfrm_new::Button2Click()
{
    QString solution;
    const int verdict = WindowCheck(solution);
    if (verdict == 1) {
        seams::messages().report(QStringLiteral("Puzzle is not solvable"));
        return;
    }
    if (verdict == 2
        && !seams::messages().ask(QStringLiteral("This Puzzle has multiple solutions,Do you want to solve it anyway?")))
        return;
    host_.PlayPuzzle(*sdnew, verdict == 0 ? solution : QString());
    accept();
}

void Tfrm_new::ClearGrid()
{
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sdnew->cellAt(i);
        cell->value = QStringLiteral("123456789");
        cell->state = stCandidates;
    }
    // Checked before it is drawn: drawn first, the old clashes would stay
    // on the empty board.
    sdnew->CheckConflicts();
    sdnew->ShowAll();
}

void Tfrm_new::Button3Click()
{
    if (seams::messages().ask(QStringLiteral("Clear the puzzle board,Sure?")))
        ClearGrid();
}

void Tfrm_new::Button5Click()
{
    const TPICSD33 *main = host_.MainBoard();
    for (int i = 0; i < 81; ++i) {
        TPicNode *cell = sdnew->cellAt(i);
        const QString &v = main->cellAt(i)->value;
        if (v.size() == 1) {
            cell->value = v;
            cell->state = stBigNumber;
        } else {
            cell->value = QStringLiteral("123456789");
            cell->state = stCandidates;
        }
    }
    boardlogic::fillCandidates(sdnew->grid(), boardlogic::Open::All);
    sdnew->ShowAll();
}

void Tfrm_new::Button6Click() { import_->ImportInto(sdnew); }

void Tfrm_new::MarkMouseDown(QObject *sender, Qt::MouseButton button)
{
    auto *mark = qobject_cast<Tmousepanel *>(sender);
    TPicNode *cell = TPicNode::cellOf(sender);
    if (button != Qt::LeftButton || !mark || !cell || cell == mark || cell->state != stCandidates)
        return;
    const UpdateLock lock(this);
    cell->value = mark->caption();
    cell->state = stBigNumber;
    sdnew->RemoveFromPeers(cell->row, cell->col);
    sdnew->CheckConflicts();
    sdnew->ShowAll();
}

void Tfrm_new::CellMouseDown(QObject *sender, Qt::MouseButton button)
{
    TPicNode *cell = TPicNode::cellOf(sender);
    if (button != Qt::LeftButton || !cell)
        return;
    const UpdateLock lock(this);
    if (cell->state == stBigNumber) {
        const QString old = cell->value;
        cell->value = sdnew->CandidatesOf(cell->row, cell->col);
        cell->state = stCandidates;
        sdnew->RestoreToPeers(cell->row, cell->col, old);
    }
    sdnew->CheckConflicts();
    sdnew->ShowAll();
}

void Tfrm_new::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}
