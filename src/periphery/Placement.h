#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where windows open, as plain geometry: frames in screen coordinates, the
// area being the screen's available one. No window is needed to decide.
namespace placement {

// The top-left corner that puts frame inside area, moved as little as
// possible; where frame is larger than area, its top and left edges stay on
// area's, so the title bar is on the screen.
QPoint inside(const QRect &frame, const QRect &area);

// The size a window of size keeps on area, its frame adding decoration:
// the same where the frame fits, else cut to the area on the side that does
// not fit.
QSize fitted(const QSize &size, const QSize &decoration, const QRect &area);

// The top-left corner of a frame of size in the middle of area, with its
// title bar on it (see inside).
QPoint centred(const QSize &size, const QRect &area);

// Where a companion window's frame opens beside the main window's frame,
// inside area and clear of main, so it covers nothing there: right of
// main, else left of it, at full size; else below it, else above it; else
// narrowed to the side with more room, then to the other (down to
// minSize); else below or above, shortened to the room. Where the area is
// too small for any of these, minSize wide on the side with more room,
// inside area.
QRect beside(const QRect &main, const QSize &size, const QSize &minSize, const QRect &area);

} // namespace placement
