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

// Whether some side of the main window's frame `main` has room on `screen`
// for a companion of frame size `least`.
bool roomBeside(const QRect &main, const QSize &least, const QRect &screen);

// Where the main window's frame goes to make room for a companion that would
// like `wanted` and needs `least`, when no side of it has room: along the
// screen, towards the nearer edge, as far as the companion's wanted size asks
// (at least as far as its least size needs) and the screen allows. `main`
// itself when a side has room already or no place on the screen makes room.
QRect makeRoom(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen);

// Where the main window's frame `main` goes so that the companion's frame
// `companion` does not cover it: beside the companion on the screen, by the
// shortest move along the screen or up or down; `main` itself when it is
// clear already or no such place is on the screen.
QRect clearOf(const QRect &main, const QRect &companion, const QRect &screen);

// An open companion: its frame and the least frame size it can do with.
struct OpenCompanion
{
    QRect frame;
    QSize least;
};

// A companion opening beside the companions already open: the main window's
// frame (moved by makeRoom when it has to be), the frames of the open
// companions (those the moved main window would cover placed beside it again,
// at their size as far as the room allows) and the new companion's frame.
struct Arrangement
{
    QRect main;
    QList<QRect> open;
    QRect companion;
};
Arrangement arrange(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen,
                    const QList<OpenCompanion> &open = {});

// A companion opened as the program started, before the window manager had
// framed the main window: its frame, and whether that is the place it was
// remembered at (or one made up beside a main window that has moved since).
struct StartingCompanion
{
    QRect frame;
    bool remembered = false;
    QSize wanted, least;
};

// The main window's frame and the companions' frames, in the same order,
// once the window manager has put the main window at `main`: the remembered
// companions whole on the screen with the main window stepped from under
// them; then, in order, those still over it and those that had no place
// arranged beside it (as if opened now, the main window making room once).
struct Settled
{
    QRect main;
    QList<QRect> frames;
};
Settled settledAtStart(const QRect &main, const QList<StartingCompanion> &companions, const QRect &screen);

} // namespace vintaro
