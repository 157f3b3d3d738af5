#include "guide/NextStepWindow.h"

#include "board/BoardCursor.h"
#include "board/BoardPlaces.h"
#include "board/Colors.h"
#include "board/GameHost.h"
#include "board/PICSD33.h"
#include "periphery/Placement.h"
#include "play/PlayModel.h"
#include "periphery/Seams.h"
#include "play/KeyTable.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPushButton>
#include <QScreen>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

StepMarks::StepMarks(TPICSD33 *board) : BoardOverlay(board, QStringLiteral("stepMarks")) {}

nextstep::MarkColors StepMarks::colors() const
{
    const TColor backgrounds[] = {board_->BoxColor(1, 1), board_->BoxColor(1, 4),
                                  clr::rgbOr(board_->highcolor, builtin::Highlight), board_->errorcolor,
                                  clr::HintCell};
    return nextstep::markColors(backgrounds);
}

std::vector<BoardOverlay::Frame> StepMarks::framesIn(const nextstep::MarkColors &colors) const
{
    std::vector<Frame> frames;
    for (int i = 0; i < 81; ++i) {
        const nextstep::Mark m = marks_[static_cast<std::size_t>(i)];
        if (m != nextstep::Mark::None)
            frames.push_back({i, {{0, kBand, toQColor(m == nextstep::Mark::Pattern ? colors.pattern : colors.change)}}});
    }
    return frames;
}

void StepMarks::setMarks(const nextstep::Marks &marks, const BoardOverlay::Candidates &candidates)
{
    const bool framed = std::any_of(marks.begin(), marks.end(), [](nextstep::Mark m) { return m != nextstep::Mark::None; });
    const bool drawn = std::any_of(candidates.begin(), candidates.end(), [](const auto &c) { return c.has_value(); });
    const bool any = framed || drawn;
    // New board colours (the Appearance window) repaint every frame at once;
    // cells drawn here follow the board's own colours and styles.
    if (marks != marks_ || colors() != painted_ || drawn)
        update();
    marks_ = marks;
    setFrames(framesIn(painted_));
    setCandidates(candidates);
    // Under the keyboard cursor: the candidates cover whole cells.
    if (any)
        stackUnder(board_->cursor());
    setVisible(any);
}

void StepMarks::beforePaint()
{
    painted_ = colors();
    setFramesQuietly(framesIn(painted_));
}

namespace {
// Narrow enough to fit beside the main window on a 1024-pixel screen.
constexpr QSize kSize(236, 440);
} // namespace

NextStepWindow::NextStepWindow(GameHost &host, PlayModel &play)
    : QDialog(host.MainWindow(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), host_(host), play_(play),
      board_(*host.MainBoard())
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

    BackButton = new QPushButton(QStringLiteral("< &Back"), this);
    BackButton->setObjectName(QStringLiteral("BackButton"));
    BackButton->setAutoDefault(false);
    NextButton = new QPushButton(QStringLiteral("&Next >"), this);
    NextButton->setObjectName(QStringLiteral("NextButton"));
    NextButton->setAutoDefault(false);
    // The captions underline the keys; the key table says which they are.
    for (auto [button, action] : {std::pair{BackButton, keytable::Action::WalkBack},
                                  std::pair{NextButton, keytable::Action::WalkNext}}) {
        const keytable::Binding b = keytable::bindingOf(action);
        button->setShortcut(QKeySequence(QKeyCombination(b.modifiers, Qt::Key(b.key))));
    }
    connect(BackButton, &QPushButton::clicked, this, &NextStepWindow::BackClick);
    connect(NextButton, &QPushButton::clicked, this, &NextStepWindow::NextClick);

    ApplyButton = new QPushButton(QStringLiteral("&Apply"), this);
    ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
    ApplyButton->setEnabled(false);
    ApplyButton->setDefault(true);
    CloseButton = new QPushButton(QStringLiteral("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setAutoDefault(false);
    seams::connectGuarded(ApplyButton, &QPushButton::clicked, this, [this] { ApplyClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // The player goes on choosing digits and modes from here.
    host.ForwardKeys(this);

    auto *walk = new QHBoxLayout;
    walk->addWidget(BackButton);
    walk->addWidget(NextButton);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ApplyButton);
    buttons->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo1, 1);
    layout->addLayout(walk);
    layout->addLayout(buttons);
    resize(kSize);

    stepMarks_ = new StepMarks(&board_);

    // Queued: the handler that changed the board has finished its refresh.
    connect(&board_, &TPICSD33::changed, this, [this] { seams::guard([this] { Follow(); }); }, Qt::QueuedConnection);
}

nextstep::Position NextStepWindow::position()
{
    nextstep::Position p;
    p.placed = nextstep::placedDigits(board_.grid());
    const QString solution = host_.KnownSolution();
    if (solution.size() == 81)
        p.solution = engine::parse(solution);
    return p;
}

void NextStepWindow::explain()
{
    shownAt_ = position();
    shown_ = grader::explainNext(shownAt_.placed, shownAt_.solution ? &*shownAt_.solution : nullptr,
                                 grader::ExplainScope::Minimal);
    ApplyButton->setEnabled(nextstep::placement(shown_).has_value() && board_.isEnabled());
    showStep(0);
}

void NextStepWindow::showStep(int step)
{
    const int count = static_cast<int>(shown_.steps.size());
    current_ = std::clamp(step, 0, std::max(count - 1, 0));
    // One step alone is shown as before, in black.
    memo1->setHtml(nextstep::explanationHtml(shown_, count > 1 ? current_ : -1));
    if (count > 1)
        scrollToStep();
    BackButton->setEnabled(current_ > 0);
    NextButton->setEnabled(current_ + 1 < count);
    stepMarks_->setMarks(nextstep::marksOf(shown_, current_), nextstep::candidatesAt(shownAt_.placed, shown_, current_));
}

void NextStepWindow::scrollToStep()
{
    // Each step is two blocks, its title and its text.
    const QTextDocument *doc = memo1->document();
    const QTextBlock title = doc->findBlockByNumber(2 * current_), text = doc->findBlockByNumber(2 * current_ + 1);
    if (!title.isValid() || !text.isValid())
        return;
    QAbstractTextDocumentLayout *layout = doc->documentLayout();
    const int top = static_cast<int>(layout->blockBoundingRect(title).top());
    const int bottom = static_cast<int>(std::ceil(layout->blockBoundingRect(text).bottom()));
    QScrollBar *bar = memo1->verticalScrollBar();
    // The whole step where it fits, else its title at the top.
    int value = bar->value();
    value = std::max(value, bottom - memo1->viewport()->height());
    value = std::min(value, top);
    bar->setValue(value);
}

void NextStepWindow::ExplainClick()
{
    explain();
    if (!isVisible()) {
        placeBeside();
        show();
    }
    raise();
    activateWindow();
}

void NextStepWindow::placeBeside()
{
    const QWidget &form = *host_.MainWindow();
    const QRect main = form.frameGeometry();
    // Before it first shows, this window's decorations are not known yet:
    // the main window's stand in for them.
    const bool framed = frameGeometry() != geometry();
    const QSize decoration = framed ? frameGeometry().size() - size() : main.size() - form.size();
    const QScreen *screen = form.screen();
    // A window narrowed to fit a small screen gets its room back where
    // there is more.
    const QSize wanted = size().expandedTo(kSize);
    const QRect frame = placement::beside(main, wanted + decoration, minimumSizeHint() + decoration,
                                          screen ? screen->availableGeometry() : main);
    move(frame.topLeft());
    resize(frame.size() - decoration);
}

void NextStepWindow::Follow()
{
    if (!isVisible())
        return;
    if (position() != shownAt_)
        explain();
    else
        stepMarks_->setMarks(stepMarks_->marks(), stepMarks_->candidates());
}

void NextStepWindow::ApplyClick()
{
    // A board that changed behind the explanation is explained first, not
    // played on.
    if (position() != shownAt_) {
        explain();
        return;
    }
    const std::optional<grader::CellDigit> p = nextstep::placement(shown_);
    if (!p || !board_.isEnabled())
        return;
    // Help, as a hint is: counted before the digit can finish the game.
    play_.hintUsed();
    host_.PlaceDigit(board_.cellAt(p->cell), QString::number(p->digit));
    explain();
}

void NextStepWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Hidden with a minimised main window, the marks wait for its return.
    if (event->spontaneous())
        return;
    if (stepMarks_)
        stepMarks_->setMarks({});
}
