#include "game/UfrmExplain.h"

#include "board/BoardLogic.h"
#include "board/BoardPlaces.h"
#include "board/Colors.h"
#include "board/PICSD33.h"
#include "game/QJ.h"
#include "game/main.h"
#include "periphery/Placement.h"
#include "periphery/Seams.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

TStepMarks::TStepMarks(TPICSD33 *board) : QWidget(board), board_(board)
{
    setObjectName(QStringLiteral("stepMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    hide();
}

nextstep::MarkColors TStepMarks::colors() const
{
    const TColor backgrounds[] = {board_->BoxColor(1, 1), board_->BoxColor(1, 4),
                                  clr::rgbOr(board_->highcolor, builtin::Highlight), board_->errorcolor,
                                  clr::HintCell};
    return nextstep::markColors(backgrounds);
}

void TStepMarks::setMarks(const nextstep::Marks &marks)
{
    const bool any = std::any_of(marks.begin(), marks.end(), [](nextstep::Mark m) { return m != nextstep::Mark::None; });
    // New board colours (the Appearance window) repaint every frame at once.
    if (marks != marks_ || colors() != painted_)
        update();
    marks_ = marks;
    if (any)
        raise();
    setVisible(any);
}

void TStepMarks::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    painted_ = colors();
    for (int i = 0; i < 81; ++i) {
        const nextstep::Mark m = marks_[static_cast<std::size_t>(i)];
        if (m == nextstep::Mark::None)
            continue;
        const QColor c = toQColor(m == nextstep::Mark::Pattern ? painted_.pattern : painted_.change);
        const int x = boardplaces::cellEdge(i % 9 + 1), y = boardplaces::cellEdge(i / 9 + 1);
        const int s = boardplaces::kCellSize;
        p.fillRect(x, y, s, kBand, c);
        p.fillRect(x, y + s - kBand, s, kBand, c);
        p.fillRect(x, y, kBand, s, c);
        p.fillRect(x + s - kBand, y, kBand, s, c);
    }
}

namespace {
// Narrow enough to fit beside the main window on a 1024-pixel screen.
constexpr QSize kSize(236, 440);
} // namespace

TfrmExplain::TfrmExplain(TForm1 &form)
    : QDialog(&form, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), form_(form)
{
    setObjectName(QStringLiteral("frmExplain"));
    setWindowTitle(QStringLiteral("Next Step"));
    setModal(false);

    memo1 = new QTextEdit(this);
    memo1->setObjectName(QStringLiteral("memo1"));
    memo1->setReadOnly(true);
    // Keys select too, so the explanation can be copied without a mouse.
    memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo1->setTabChangesFocus(true);
    // Nothing is typed here: no blinking caret in the text.
    memo1->setCursorWidth(0);

    ApplyButton = new QPushButton(QStringLiteral("&Apply"), this);
    ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
    ApplyButton->setEnabled(false);
    ApplyButton->setDefault(true);
    CloseButton = new QPushButton(QStringLiteral("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setAutoDefault(false);
    seams::connectGuarded(ApplyButton, &QPushButton::clicked, this, [this] { ApplyClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // F4 explains again from here as well.
    addAction(form.ExplainNextStep1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ApplyButton);
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo1, 1);
    layout->addLayout(buttons);
    resize(kSize);

    stepMarks_ = new TStepMarks(form.sd991);

    // Moves reach the board through many handlers; a cheap look at the
    // placed digits catches them all. A failure stops it before its box.
    follow_ = new QTimer(this);
    follow_->setInterval(100);
    connect(follow_, &QTimer::timeout, this, [this] { seams::guard([this] { Follow(); }, [this] { follow_->stop(); }); });
}

nextstep::Position TfrmExplain::position()
{
    nextstep::Position p;
    const CellGrid &board = form_.sd991->grid();
    p.placed = nextstep::placedDigits(board);
    // The solution Show Solution uses: the stored one, else the solver's
    // when the givens have exactly one.
    const QString stored = form_.QJ1->GetSolution();
    if (stored.size() == 81) {
        p.solution = engine::parse(stored);
    } else if (form_.puzzleOnBoard()) {
        const engine::Grid givens = engine::parse(boardlogic::givensString(board));
        if (!solved_ || solved_->first != givens)
            solved_.emplace(givens, engine::uniqueSolution(givens));
        p.solution = solved_->second;
    }
    return p;
}

void TfrmExplain::explain()
{
    shownAt_ = position();
    shown_ = grader::explainNext(shownAt_.placed, shownAt_.solution ? &*shownAt_.solution : nullptr);
    memo1->setHtml(nextstep::explanationHtml(shown_));
    ApplyButton->setEnabled(nextstep::placement(shown_).has_value() && form_.sd991->isEnabled());
    stepMarks_->setMarks(nextstep::marksOf(shown_));
}

void TfrmExplain::ExplainClick()
{
    explain();
    if (!isVisible()) {
        placeBeside();
        show();
    }
    raise();
    activateWindow();
}

void TfrmExplain::placeBeside()
{
    const QRect main = form_.frameGeometry();
    // Before it first shows, this window's decorations are not known yet:
    // the main window's stand in for them.
    const bool framed = frameGeometry() != geometry();
    const QSize decoration = framed ? frameGeometry().size() - size() : main.size() - form_.size();
    const QScreen *screen = form_.screen();
    // A window narrowed to fit a small screen gets its room back where
    // there is more.
    const QSize wanted = size().expandedTo(kSize);
    const QRect frame = placement::beside(main, wanted + decoration, minimumSizeHint() + decoration,
                                          screen ? screen->availableGeometry() : main);
    move(frame.topLeft());
    resize(frame.size() - decoration);
}

void TfrmExplain::Follow()
{
    if (!isVisible())
        return;
    if (position() != shownAt_)
        explain();
    else
        stepMarks_->setMarks(stepMarks_->marks());
}

void TfrmExplain::ApplyClick()
{
    // A board that changed behind the explanation is explained first, not
    // played on.
    if (position() != shownAt_) {
        explain();
        return;
    }
    const std::optional<grader::CellDigit> p = nextstep::placement(shown_);
    if (!p || !form_.sd991->isEnabled())
        return;
    form_.PlaceDigit(form_.sd991->cellAt(p->cell), QString::number(p->digit));
    explain();
}

void TfrmExplain::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    follow_->start();
}

void TfrmExplain::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Hidden with a minimised main window, the marks wait for its return.
    if (event->spontaneous())
        return;
    follow_->stop();
    if (stepMarks_)
        stepMarks_->setMarks({});
}
