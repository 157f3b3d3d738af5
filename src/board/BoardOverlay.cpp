#include "board/BoardOverlay.h"

#include "board/Colors.h"
#include "board/PICSD33.h"

#include <QPainter>

BoardOverlay::BoardOverlay(TPICSD33 *board, const QString &name) : QWidget(board), board_(board)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    hide();
}

void BoardOverlay::setFrames(std::vector<Frame> frames)
{
    if (frames == frames_)
        return;
    frames_ = std::move(frames);
    update();
}

void BoardOverlay::setCandidates(const Candidates &candidates)
{
    if (candidates == candidates_)
        return;
    candidates_ = candidates;
    update();
}

void BoardOverlay::paintEvent(QPaintEvent *)
{
    beforePaint();
    QPainter p(this);
    for (int i = 0; i < 81; ++i)
        if (const auto digits = candidates_[static_cast<std::size_t>(i)])
            paintCandidates(p, i, *digits);
    for (const Frame &f : frames_) {
        if (f.cell < 0 || f.cell > 80)
            continue;
        const QRect r = board_->cellAt(f.cell)->geometry();
        for (const Band &b : f.bands) {
            const QRect o = r.adjusted(b.inset, b.inset, -b.inset, -b.inset);
            const QRect i = o.adjusted(b.width, b.width, -b.width, -b.width);
            p.fillRect(QRect(o.left(), o.top(), o.width(), b.width), b.colour);
            p.fillRect(QRect(o.left(), i.bottom() + 1, o.width(), b.width), b.colour);
            p.fillRect(QRect(o.left(), i.top(), b.width, i.height()), b.colour);
            p.fillRect(QRect(i.right() + 1, i.top(), b.width, i.height()), b.colour);
        }
    }
}

// The cell and its marks as the board draws an open cell in its candidate
// style, with these digits shown.
void BoardOverlay::paintCandidates(QPainter &p, int cell, std::uint16_t digits) const
{
    const TPicNode *node = board_->cellAt(cell);
    const QRect r = node->geometry();
    node->paintPanel(p, r, QString(), node->font(), toQColor(node->fontColor()));
    const QColor ink = toQColor(board_->candidateColor());
    for (int k = 1; k <= 9; ++k) {
        if (!(digits & (1u << k)))
            continue;
        const Tmousepanel *mark = node->marks[static_cast<std::size_t>(k)];
        QFont font = mark->font();
        font.setPointSize(board_->FONTSize3 > 0 ? board_->FONTSize3 : 1);
        mark->paintPanel(p, mark->geometry().translated(r.topLeft()), QString::number(k), font, ink);
    }
}
