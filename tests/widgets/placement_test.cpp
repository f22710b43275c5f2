// Where a companion window opens on a 1 600 × 1 000 screen: beside the main
// window, never over it, shrunk to the room there, clear of the companions
// already open. Every expected frame is worked out by hand.
#include <gtest/gtest.h>

#include <vector>

#include "widgets/placement.h"

namespace vintaro {
namespace {

struct PlaceCase
{
    const char *what;
    QRect main;
    QSize wanted, least;
    QList<QRect> taken;
    QRect expected;
    QRect screen = QRect(0, 0, 1600, 1000);
};

TEST(Placement, BesideTheMainWindowWhereTheScreenAllows)
{
    const QSize wheel(1060, 580), wheelLeast(700, 450), small(600, 400);
    const QRect topLeft(0, 0, 800, 540);
    const std::vector<PlaceCase> cases = {
        {"right of it, narrowed to the room there", topLeft, wheel, wheelLeast, {}, {800, 0, 800, 580}},
        {"right of it at its wanted size", topLeft, small, wheelLeast, {}, {800, 0, 600, 400}},
        {"level with the main window's top", {0, 300, 800, 540}, small, small, {}, {800, 300, 600, 400}},
        {"moved up from below the screen", {0, 700, 800, 300}, small, small, {}, {800, 600, 600, 400}},
        {"below when the right is too narrow", {700, 0, 800, 540}, small, small, {}, {700, 540, 600, 400}},
        {"below, slid left to stay on the screen", {1100, 0, 500, 540}, small, small, {}, {1000, 540, 600, 400}},
        {"left when neither right nor below has room", {800, 100, 800, 540}, wheel, wheelLeast, {},
         {0, 100, 800, 580}},
        {"above when only above has room", {400, 450, 800, 540}, wheel, wheelLeast, {}, {400, 0, 1060, 450}},
        {"no room anywhere: the right edge of the screen", {400, 230, 800, 540}, wheel, wheelLeast, {},
         {540, 230, 1060, 580}},
        {"the second companion goes below when the first fills the right", topLeft, {700, 660}, {400, 300},
         {{800, 0, 800, 580}}, {0, 540, 700, 460}},
        {"on the right, shortened above the first one below", topLeft, {700, 660}, {400, 300},
         {{0, 540, 1060, 460}}, {800, 0, 700, 540}},
        {"or further down on the right, under the first", topLeft, small, small, {{800, 0, 600, 400}},
         {800, 400, 600, 400}},
        {"a least size above the wanted one counts as the wanted one", topLeft, {300, 200}, {500, 500}, {},
         {800, 0, 300, 200}},
        {"a third companion when two fill the right and below: over them, never over the main window", topLeft,
         small, small, {{800, 0, 800, 1000}, {0, 540, 800, 460}}, {800, 0, 600, 400}},
        {"a second screen right of the first", {1700, 50, 800, 540}, small, small, {}, {2500, 50, 600, 400},
         {1600, 0, 1600, 1000}},
    };
    for (const PlaceCase &c : cases) {
        SCOPED_TRACE(c.what);
        const QRect frame = besideMain(c.main, c.wanted, c.least, c.screen, c.taken);
        EXPECT_EQ(frame, c.expected);
        EXPECT_TRUE(c.screen.contains(frame));
        const bool overCompanions = QString(c.what).contains(QLatin1String("over them"));
        for (const QRect &t : c.taken)
            EXPECT_TRUE(overCompanions || !frame.intersects(t));
        if (QString(c.what).startsWith(QLatin1String("no room")))
            continue;
        EXPECT_FALSE(frame.intersects(c.main));
        EXPECT_GE(frame.width(), std::min(c.least.width(), c.wanted.width()));
        EXPECT_GE(frame.height(), std::min(c.least.height(), c.wanted.height()));
    }
}

// A companion back at its remembered place over the main window: the main
// window steps aside by the shortest move the screen allows, or stays.
TEST(Placement, TheMainWindowStepsFromUnderARememberedCompanion)
{
    const QRect screen(0, 0, 1366, 768);
    const QRect centred(283, 124, 800, 520);
    struct Case
    {
        const char *what;
        QRect main, companion, expected;
    };
    const std::vector<Case> cases = {
        {"clear already: stays", {0, 124, 800, 520}, {800, 40, 566, 700}, {0, 124, 800, 520}},
        {"left of a companion on the right", centred, {800, 40, 566, 700}, {0, 124, 800, 520}},
        {"right of a companion on the left", centred, {0, 0, 500, 768}, {500, 124, 800, 520}},
        {"above a companion below", {283, 300, 800, 400}, {0, 500, 1366, 268}, {283, 100, 800, 400}},
        {"no place on the screen: stays", centred, {300, 100, 700, 600}, centred},
        {"below a companion above", {283, 100, 800, 400}, {0, 0, 1366, 250}, {283, 250, 800, 400}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QRect moved = clearOf(c.main, c.companion, screen);
        EXPECT_EQ(moved, c.expected);
        if (moved != c.main) {
            EXPECT_FALSE(moved.intersects(c.companion));
        }
    }
}

} // namespace
} // namespace vintaro
