#include "widgets/placement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

namespace vintaro {

namespace {

enum class Side { Right, Below, Left, Above };
constexpr Side kSides[] = {Side::Right, Side::Below, Side::Left, Side::Above};

// Brings `start` into [low, high - length], the start itself when it fits.
int slide(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

bool clear(const QRect &frame, const QList<QRect> &taken)
{
    return std::none_of(taken.begin(), taken.end(), [&](const QRect &t) { return t.intersects(frame); });
}

// The companion on one side of the main window, or nothing when the room
// there is too small or every place on that side is taken.
std::optional<QRect> onSide(Side side, const QRect &main, const QSize &wanted, const QSize &least,
                            const QRect &screen, const QList<QRect> &taken)
{
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    const int mainRight = main.x() + main.width();
    const int mainBottom = main.y() + main.height();
    const bool across = side == Side::Right || side == Side::Left;
    // The room beside the main window along the side, and across it.
    const int room = side == Side::Right   ? screenRight - mainRight
                     : side == Side::Below ? screenBottom - mainBottom
                     : side == Side::Left  ? main.x() - screen.x()
                                           : main.y() - screen.y();
    const int span = across ? screen.height() : screen.width();
    const int needDepth = across ? least.width() : least.height();
    const int needSpan = across ? least.height() : least.width();
    if (room < needDepth || span < needSpan)
        return std::nullopt;
    const int depth = std::min(across ? wanted.width() : wanted.height(), room);
    const int length = std::min(across ? wanted.height() : wanted.width(), span);
    const int at = side == Side::Right   ? mainRight
                   : side == Side::Below ? mainBottom
                                         : (across ? main.x() : main.y()) - depth;
    const int low = across ? screen.y() : screen.x();
    const int high = across ? screenBottom : screenRight;

    // Level with the main window first, then past each companion in the way.
    QList<int> starts{across ? main.y() : main.x()};
    for (const QRect &t : taken)
        starts << (across ? t.y() + t.height() : t.x() + t.width());
    auto make = [&](int s, int l) { return across ? QRect(at, s, depth, l) : QRect(s, at, l, depth); };
    for (int start : starts) {
        const int s = slide(start, length, low, high);
        QRect frame = make(s, length);
        // Shortened to end where the first companion in the way begins.
        for (const QRect &t : taken) {
            const int cut = (across ? t.y() : t.x()) - s;
            if (t.intersects(frame) && cut >= needSpan)
                frame = make(s, std::min(across ? frame.height() : frame.width(), cut));
        }
        if (clear(frame, taken))
            return frame;
    }
    return std::nullopt;
}

} // namespace

QRect besideMain(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen,
                 const QList<QRect> &taken)
{
    const QSize least2 = least.boundedTo(wanted);
    for (Side side : kSides)
        if (auto frame = onSide(side, main, wanted, least2, screen, taken))
            return *frame;
    // The companions fill the room beside the main window: over one of them
    // rather than over the main window.
    if (!taken.isEmpty())
        for (Side side : kSides)
            if (auto frame = onSide(side, main, wanted, least2, screen, {}))
                return *frame;
    const int width = std::min(wanted.width(), screen.width());
    const int height = std::min(wanted.height(), screen.height());
    return QRect(screen.x() + screen.width() - width,
                 slide(main.y(), height, screen.y(), screen.y() + screen.height()), width, height);
}

QRect clampedInto(const QRect &frame, const QRect &screen)
{
    if (screen.isEmpty())
        return frame;
    const QSize size = frame.size().boundedTo(screen.size()).expandedTo(QSize(1, 1));
    const int left = std::clamp(frame.left(), screen.left(), screen.left() + screen.width() - size.width());
    const int top = std::clamp(frame.top(), screen.top(), screen.top() + screen.height() - size.height());
    return {QPoint(left, top), size};
}

bool roomBeside(const QRect &main, const QSize &least, const QRect &screen)
{
    return std::any_of(std::begin(kSides), std::end(kSides),
                       [&](Side side) { return onSide(side, main, least, least, screen, {}).has_value(); });
}

QRect makeRoom(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen)
{
    const QSize need = least.boundedTo(wanted);
    if (roomBeside(main, need, screen))
        return main;
    // Across first: a companion beside the main window keeps the whole
    // height of the screen.
    for (const bool across : {true, false}) {
        const int mainLength = across ? main.width() : main.height();
        const int screenLength = across ? screen.width() : screen.height();
        const int needDepth = across ? need.width() : need.height();
        const int needSpan = across ? need.height() : need.width();
        const int screenSpan = across ? screen.height() : screen.width();
        if (needSpan > screenSpan || mainLength + needDepth > screenLength)
            continue;
        const int low = across ? screen.x() : screen.y();
        const int high = low + screenLength;
        const int at = slide(across ? main.x() : main.y(), mainLength, low, high);
        const int room = std::min(std::max(across ? wanted.width() : wanted.height(), needDepth),
                                  screenLength - mainLength);
        // Room after the main window (it moves back) or before it (it moves
        // on): the shorter move wins, after it on a tie.
        const int back = at + mainLength - (high - room);
        const int on = low + room - at;
        const int to = back <= on ? at - std::max(0, back) : at + std::max(0, on);
        QRect moved = main;
        if (across)
            moved.moveTo(to, slide(main.y(), main.height(), screen.y(), screen.y() + screenSpan));
        else
            moved.moveTo(slide(main.x(), main.width(), screen.x(), screen.x() + screenSpan), to);
        return moved;
    }
    return main;
}

QRect clearOf(const QRect &main, const QRect &companion, const QRect &screen)
{
    if (!main.intersects(companion))
        return main;
    const int x = slide(main.x(), main.width(), screen.x(), screen.x() + screen.width());
    const int y = slide(main.y(), main.height(), screen.y(), screen.y() + screen.height());
    const QRect candidates[] = {
        QRect(QPoint(companion.x() - main.width(), y), main.size()),       // left of it
        QRect(QPoint(companion.x() + companion.width(), y), main.size()),  // right of it
        QRect(QPoint(x, companion.y() - main.height()), main.size()),      // above it
        QRect(QPoint(x, companion.y() + companion.height()), main.size()), // below it
    };
    QRect best = main;
    int shortest = std::numeric_limits<int>::max();
    for (const QRect &c : candidates) {
        const int move = std::abs(c.x() - main.x()) + std::abs(c.y() - main.y());
        if (screen.contains(c) && move < shortest) {
            best = c;
            shortest = move;
        }
    }
    return best;
}

Arrangement arrange(const QRect &main, const QSize &wanted, const QSize &least, const QRect &screen,
                    const QList<OpenCompanion> &open)
{
    Arrangement result;
    result.main = makeRoom(main, wanted, least, screen);
    const bool moved = result.main != main;
    auto covered = [&](const QRect &frame) { return moved && frame.intersects(result.main); };
    QList<QRect> taken;
    for (const OpenCompanion &c : open)
        if (!covered(c.frame))
            taken << c.frame;
    for (const OpenCompanion &c : open) {
        QRect frame = c.frame;
        if (covered(frame)) {
            frame = besideMain(result.main, c.frame.size(), c.least, screen, taken);
            taken << frame;
        }
        result.open << frame;
    }
    result.companion = besideMain(result.main, wanted, least, screen, taken);
    return result;
}

Settled settledAtStart(const QRect &main, const QList<StartingCompanion> &companions, const QRect &screen)
{
    Settled result{main, {}};
    for (const StartingCompanion &c : companions)
        result.frames << (c.remembered ? clampedInto(c.frame, screen) : c.frame);
    for (qsizetype i = 0; i < companions.size(); ++i)
        if (companions[i].remembered)
            result.main = clearOf(result.main, result.frames[i], screen);
    // The remembered ones clear of the main window stay; the others open
    // beside it one by one.
    QList<OpenCompanion> open;
    QList<qsizetype> at;
    for (qsizetype i = 0; i < companions.size(); ++i)
        if (companions[i].remembered && !result.frames[i].intersects(result.main)) {
            open << OpenCompanion{result.frames[i], companions[i].least};
            at << i;
        }
    for (qsizetype i = 0; i < companions.size(); ++i) {
        if (at.contains(i))
            continue;
        const StartingCompanion &c = companions[i];
        const Arrangement place = arrange(result.main, c.wanted, c.least, screen, open);
        result.main = place.main;
        for (qsizetype j = 0; j < open.size(); ++j)
            open[j].frame = place.open[j];
        open << OpenCompanion{place.companion, c.least};
        at << i;
    }
    for (qsizetype j = 0; j < open.size(); ++j)
        result.frames[at[j]] = open[j].frame;
    return result;
}

} // namespace vintaro
