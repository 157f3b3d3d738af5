#include "periphery/Placement.h"

#include <algorithm>
#include <vector>

namespace placement {

QPoint inside(const QRect &frame, const QRect &area)
{
    // The far edges first, so that the near ones win when the frame is the
    // larger.
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {x, y};
}

QSize fitted(const QSize &size, const QSize &decoration, const QRect &area)
{
    return size.boundedTo((area.size() - decoration).expandedTo(QSize(1, 1)));
}

QPoint centred(const QSize &size, const QRect &area)
{
    const QRect middle(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                       size.width(), size.height());
    return inside(middle, area);
}

namespace {
constexpr int kGap = 4;
} // namespace

QRect beside(const QRect &main, const QSize &size, const QSize &minSize, const QRect &area)
{
    const int roomRight = area.right() - main.right() - kGap;
    const int roomLeft = main.left() - kGap - area.left();
    const int roomBelow = area.bottom() - main.bottom() - kGap;
    const int roomAbove = main.top() - kGap - area.top();
    const auto right = [&](QSize s) { return QRect(QPoint(main.right() + 1 + kGap, main.top()), s); };
    const auto left = [&](QSize s) { return QRect(QPoint(main.left() - kGap - s.width(), main.top()), s); };
    const auto below = [&](QSize s) { return QRect(QPoint(main.left(), main.bottom() + 1 + kGap), s); };
    const auto above = [&](QSize s) { return QRect(QPoint(main.left(), main.top() - kGap - s.height()), s); };

    std::vector<QRect> tries{right(size), left(size), below(size), above(size)};
    const auto narrowed = [&](int room) { return QSize(std::min(size.width(), room), size.height()); };
    const auto shortened = [&](int room) { return QSize(size.width(), std::min(size.height(), room)); };
    if (roomRight >= roomLeft)
        tries.insert(tries.end(), {right(narrowed(roomRight)), left(narrowed(roomLeft))});
    else
        tries.insert(tries.end(), {left(narrowed(roomLeft)), right(narrowed(roomRight))});
    tries.insert(tries.end(), {below(shortened(roomBelow)), above(shortened(roomAbove))});

    for (QRect r : tries) {
        if (r.width() < minSize.width() || r.height() < minSize.height())
            continue;
        // Along the main window's edge it may slide to stay on the screen.
        r.moveTopLeft(inside(r, area));
        if (area.contains(r) && !r.intersects(main))
            return r;
    }
    // The screen is too small for both: as little as may be over the main
    // window, from the side with more room.
    const QSize least(minSize.width(), size.height());
    QRect fallback = roomRight >= roomLeft ? right(least) : left(least);
    fallback.moveTopLeft(inside(fallback, area));
    return fallback;
}

} // namespace placement
