#pragma once
// Where a companion window opens: beside the main window, not over it.
#include <QList>
#include <QRect>
#include <QSize>

namespace vintaro {

// The frame of a companion window that would like `wanted` and needs at
// least `least` (frames included), beside the main window's frame `main` on
// the free area `screen` of its screen, clear of the companions already open
// (`taken`). It goes to the right of the main window, else below it, else to
// its left, else above it, shrinking towards `least` to fit the room there
// and to end before a companion in the way, and stands level with the main window's top (or left) edge as far as the
// screen allows. Where the companions already fill every side, it goes over
// them rather than over the main window; where no side has room at all, it
// keeps to the right edge of the screen, level with the main window.
QRect besideMain(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen,
                 const QList<QRect> &taken = {});

// `frame` made to lie whole inside `screen`: no larger than it, and moved
// in by the least distance.
QRect clampedInto(const QRect &frame, const QRect &screen);

} // namespace vintaro
