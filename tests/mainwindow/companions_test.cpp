// The wheel and odds windows open beside the main window, and come back
// where they stood, at their size, when the program starts again (a room
// switch restarts it) if they were open when it ended.
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include <sys/stat.h>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "odds/window/eselyek.h"
#include "systems/window/rendszerek.h"
#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"
#include "wheel/kerek.h"
#include "widgets/companions.h"
#include "widgets/placement.h"

namespace vintaro::test {
namespace {

class CompanionWindowsTest : public WindowTest
{
protected:
    // The one open window of that name once the restarted program has
    // settled, or null.
    QWidget *openAfterStart(const char *name)
    {
        QApplication::processEvents();
        const QList<QWidget *> open = openWindows(name);
        EXPECT_LE(open.size(), 1);
        return open.value(0);
    }
};

TEST_F(CompanionWindowsTest, PlaceSizeAndOpennessOutliveARestart)
{
    QWidget *wheel = openWindow(QStringLiteral("kerek"), "Kerek");
    QWidget *odds = openWindow(QStringLiteral("eselyek"), "Eselyek");
    const QRect oddsPlace(40, 30, 470, 420);
    odds->setGeometry(oddsPlace);
    ASSERT_EQ(odds->geometry(), oddsPlace);
    wheel->close(); // closed by the player: stays closed

    recreateWindow();
    odds = openAfterStart("Eselyek");
    ASSERT_NE(odds, nullptr);
    EXPECT_EQ(odds->geometry(), oddsPlace);
    EXPECT_EQ(openAfterStart("Kerek"), nullptr);
    // The main window keeps the keys after the companions came back.
    activate(window.get());
    type(QStringLiteral("7"));
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    7"});

    // Closed by the player after being moved, it opens there next time.
    const QRect moved(60, 20, 480, 430);
    odds->setGeometry(moved);
    odds->close();
    recreateWindow();
    EXPECT_EQ(openAfterStart("Eselyek"), nullptr);
    odds = openWindow(QStringLiteral("eselyek"), "Eselyek");
    EXPECT_EQ(odds->geometry(), moved);

    // A program folder of its own keeps the settings beside its lists, and
    // the user's configuration folder is left alone.
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("vintaro.ini"))));
    const QString userConfig = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    EXPECT_FALSE(QFile::exists(userConfig + QStringLiteral("/vintaro.ini")));
}

// A settings file edited by hand, from another screen, or replaced by a
// FIFO or a link: the start goes on, a saved place stays on the screen, and
// nothing is written through the link.
TEST_F(CompanionWindowsTest, HostileSettingsFilesNeitherHangNorCrashNorWriteElsewhere)
{
    const QString ini = file(QStringLiteral("vintaro.ini"));
    {
        QWidget huge;
        huge.setGeometry(5000, 4000, 60000, 50000);
        QSettings settings(ini, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Eselyek/geometry"), huge.saveGeometry());
        settings.setValue(QStringLiteral("Eselyek/open"), true);
    }
    recreateWindow();
    QWidget *odds = openAfterStart("Eselyek");
    ASSERT_NE(odds, nullptr);
    // On the screen, no larger than it (or than the window's least size).
    const QRect free = odds->screen()->availableGeometry();
    const QSize most = free.size().expandedTo(odds->minimumSizeHint()).expandedTo(odds->minimumSize());
    EXPECT_TRUE(free.contains(odds->geometry().topLeft()));
    EXPECT_LE(odds->width(), most.width());
    EXPECT_LE(odds->height(), most.height());

    const QByteArray elsewhere = "[Kerek]\nopen=false\n";
    const QString target = file(QStringLiteral("elsewhere.ini"));
    for (const char *kind : {"FIFO", "link"}) {
        SCOPED_TRACE(kind);
        window.reset();
        QFile::remove(ini);
        if (std::string(kind) == "FIFO") {
            ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0644), 0);
        } else {
            put(QStringLiteral("elsewhere.ini"), elsewhere);
            ASSERT_TRUE(QFile::link(target, ini));
        }
        recreateWindow(); // returns: no read waits on the FIFO
        odds = openWindow(QStringLiteral("eselyek"), "Eselyek");
        ASSERT_NE(odds, nullptr);
        odds->move(odds->pos() + QPoint(10, 10));
        odds->close();
        window.reset();
        // Left as it was: no file took the FIFO's or the link's place.
        EXPECT_TRUE(std::string(kind) == "FIFO" ? !QFileInfo(ini).isFile() : QFileInfo(ini).isSymLink());
        if (std::string(kind) == "link") {
            EXPECT_EQ(bytes(QStringLiteral("elsewhere.ini")), elsewhere);
        }
        recreateWindow();
    }
}

TEST_F(CompanionWindowsTest, OpenBesideTheMainWindowOnAWideScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (screen.width() < 1600 || screen.height() < 1000)
        GTEST_SKIP() << "needs a 1 600 × 1 000 screen (the companions_wide_screen test gives one)";
    window->move(screen.topLeft() + QPoint(0, 40));
    activate(window.get());
    const QRect main = window->frameGeometry();
    QWidget *wheel = openWindow(QStringLiteral("kerek"), "Kerek");
    QWidget *odds = openWindow(QStringLiteral("eselyek"), "Eselyek");
    QApplication::processEvents();
    for (QWidget *w : {wheel, odds}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_FALSE(w->frameGeometry().intersects(main));
        EXPECT_TRUE(screen.contains(w->frameGeometry()));
    }
    EXPECT_FALSE(wheel->frameGeometry().intersects(odds->frameGeometry()));

    // After a restart both stand where they were.
    const QRect wheelPlace = wheel->geometry(), oddsPlace = odds->geometry();
    recreateWindow();
    wheel = openAfterStart("Kerek");
    odds = openAfterStart("Eselyek");
    ASSERT_TRUE(wheel && odds);
    EXPECT_EQ(wheel->geometry(), wheelPlace);
    EXPECT_EQ(odds->geometry(), oddsPlace);
}

// The screens players use, in device-independent pixels (1 920 × 1 080 at a
// scale of 1.5 is 1 280 × 720), with the frame openbox gives a window.
struct Screen
{
    const char *what;
    QRect free;
};
const std::array<Screen, 5> kScreens = {{{"1366 x 768", {0, 0, 1366, 768}},
                                         {"1600 x 900", {0, 0, 1600, 900}},
                                         {"1920 x 1080", {0, 0, 1920, 1080}},
                                         {"2560 x 1440", {0, 0, 2560, 1440}},
                                         {"1920 x 1080 at 150 %", {0, 0, 1280, 720}}}};
// Left, top, right and bottom of the frame around a window's inside.
constexpr QMargins kFrame(1, 22, 1, 5);

TEST_F(CompanionWindowsTest, InEveryOrderOnEveryScreenTheMainWindowStaysInView)
{
    // The real windows' sizes, as their placement counts them.
    Kerek wheel(window->session());
    Eselyek odds(window->session(), *platform);
    Rendszerek systems(window->session(), window->selection(), *platform);
    struct Companion
    {
        std::string name;
        QSize wanted, least;
    };
    std::vector<Companion> companions;
    for (QWidget *w : std::initializer_list<QWidget *>{&wheel, &odds, &systems})
        companions.push_back({w->objectName().toStdString(), Companions::wantedSize(w).grownBy(kFrame),
                              Companions::leastSize(w).grownBy(kFrame)});
    const QSize mainFrame = window->size().grownBy(kFrame);
    for (const Companion &c : companions) {
        SCOPED_TRACE(c.name);
        std::printf("%s: wanted %dx%d, least %dx%d (frames included)\n", c.name.c_str(), c.wanted.width(),
                    c.wanted.height(), c.least.width(), c.least.height());
        // Beside the main window on a screen 1 366 wide, and within 720 high.
        EXPECT_LE(c.least.width(), 1366 - mainFrame.width()) << c.least.width();
        EXPECT_LE(c.least.height(), 720) << c.least.height();
    }

    for (const Screen &screen : kScreens) {
        std::array<int, 3> order = {0, 1, 2};
        do {
            std::string trace = screen.what;
            for (int k : order)
                trace += ", " + companions[size_t(k)].name;
            SCOPED_TRACE(trace);
            // A main window the window manager centred.
            QRect main(QPoint(), mainFrame);
            main.moveCenter(screen.free.center());
            const QRect centred = main;
            QList<OpenCompanion> open;
            for (int k : order) {
                const Companion &c = companions[size_t(k)];
                const Arrangement place = arrange(main, c.wanted, c.least, screen.free, open);
                for (qsizetype j = 0; j < open.size(); ++j)
                    open[j].frame = place.open[j];
                // The main window moves once at most, and only along the screen.
                if (place.main != main) {
                    EXPECT_EQ(main, centred);
                    EXPECT_EQ(place.main.y(), main.y());
                }
                main = place.main;
                EXPECT_GE(place.companion.width(), c.least.width());
                EXPECT_GE(place.companion.height(), c.least.height());
                EXPECT_LE(place.companion.width(), c.wanted.width());
                open << OpenCompanion{place.companion, c.least};
            }
            EXPECT_TRUE(screen.free.contains(main));
            for (const auto &[frame, least] : open) {
                EXPECT_GE(frame.width(), least.width());
                EXPECT_GE(frame.height(), least.height());
                EXPECT_FALSE(frame.intersects(main)) << frame.x() << "," << frame.y() << " " << frame.width()
                                                     << "x" << frame.height();
                EXPECT_TRUE(screen.free.contains(frame));
            }
        } while (std::next_permutation(order.begin(), order.end()));

        // At the start, the three open before the window manager has put the
        // main window in the middle: placed beside it where it stood first
        // (the top left corner), or back at their places from the largest
        // screen; every one whole on this screen and clear of the main window.
        QRect centred(QPoint(), mainFrame);
        centred.moveCenter(screen.free.center());
        const QRect largest = kScreens[3].free;
        for (const bool remembered : {false, true}) {
            SCOPED_TRACE(std::string(screen.what) + (remembered ? ", places from 2560 x 1440" : ", no places"));
            const QRect first(remembered ? QPoint(largest.center().x() - mainFrame.width() / 2, 0) : QPoint(),
                              mainFrame);
            QList<StartingCompanion> starting;
            QList<OpenCompanion> open;
            for (const Companion &c : companions) {
                const Arrangement place =
                    arrange(first, c.wanted, c.least, remembered ? largest : screen.free, open);
                open << OpenCompanion{place.companion, c.least};
                starting << StartingCompanion{place.companion, remembered, c.wanted, c.least};
            }
            const Settled settled = settledAtStart(centred, starting, screen.free);
            EXPECT_TRUE(screen.free.contains(settled.main));
            ASSERT_EQ(settled.frames.size(), 3);
            for (qsizetype i = 0; i < 3; ++i) {
                const QRect frame = settled.frames[i];
                SCOPED_TRACE(companions[size_t(i)].name);
                EXPECT_FALSE(frame.intersects(settled.main)) << frame.x() << "," << frame.y() << " "
                                                             << frame.width() << "x" << frame.height();
                EXPECT_TRUE(screen.free.contains(frame));
                EXPECT_GE(frame.width(), companions[size_t(i)].least.width());
                EXPECT_GE(frame.height(), companions[size_t(i)].least.height());
            }
        }
    }
}

// Under a real X server with a window manager (tests/app/companions_x11_test.sh
// runs it at several screen sizes): the three companions opened in every
// order leave the whole main window in view and stand whole on the screen,
// and so do they when they open again at a start, with places or without.
TEST_F(CompanionWindowsTest, UnderAWindowManagerTheMainWindowStaysInView)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a window manager on an X server (companions_x11_test.sh)";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Waits until the window manager framed the window and it stands still.
    auto settle = [](QWidget *w) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w)) << w->objectName().toStdString();
        QRect last;
        for (int tries = 0; tries < 40; ++tries) {
            QTest::qWait(25);
            const QRect now = w->frameGeometry();
            if (now == last && now != w->geometry())
                return;
            last = now;
        }
    };
    const std::array<std::pair<const char *, const char *>, 3> companions = {
        {{"kerek", "Kerek"}, {"eselyek", "Eselyek"}, {"rendszerek", "Rendszerek"}}};
    std::array<int, 3> order = {0, 1, 2};
    do {
        std::string trace;
        for (int k : order)
            trace += std::string(" ") + companions[size_t(k)].second;
        SCOPED_TRACE(trace);
        window.reset();
        QFile::remove(file(QStringLiteral("vintaro.ini")));
        recreateWindow();
        settle(window.get());
        // Centred, as a window manager may open it.
        QRect centred = window->frameGeometry();
        centred.moveCenter(screen.center());
        window->move(centred.topLeft());
        settle(window.get());
        for (int k : order) {
            trigger(QLatin1String(companions[size_t(k)].first));
            const QList<QWidget *> shown = openWindows(companions[size_t(k)].second);
            ASSERT_EQ(shown.size(), 1);
            settle(shown[0]);
        }
        settle(window.get());
        const QRect main = window->frameGeometry();
        EXPECT_TRUE(screen.contains(main));
        for (const auto &[action, name] : companions) {
            const QRect frame = openWindows(name).value(0)->frameGeometry();
            EXPECT_FALSE(frame.intersects(main))
                << name << " at " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height()
                << ", main at " << main.x() << "," << main.y() << " " << main.width() << "x" << main.height();
            EXPECT_TRUE(screen.contains(frame)) << name << " at " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        }
        const QString shots = qEnvironmentVariable("VINTARO_SCREENSHOTS");
        if (!shots.isEmpty()) {
            QString names;
            for (int k : order)
                names += QLatin1Char('-') + QLatin1String(companions[size_t(k)].second);
            QGuiApplication::primaryScreen()->grabWindow(0).save(
                QDir(shots).filePath(QStringLiteral("companions-%1x%2%3.png")
                                         .arg(screen.width())
                                         .arg(screen.height())
                                         .arg(names)));
        }
    } while (std::next_permutation(order.begin(), order.end()));

    // A restart: the main window opens where the window manager puts it and
    // the three come back at their places; the main window steps from under
    // them.
    recreateWindow();
    settle(window.get());
    QTest::qWait(300);
    for (const auto &[action, name] : companions) {
        const QList<QWidget *> shown = openWindows(name);
        ASSERT_EQ(shown.size(), 1) << name;
        settle(shown[0]);
    }
    settle(window.get());
    const QRect main = window->frameGeometry();
    auto shown = [](const QRect &r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
               std::to_string(r.height());
    };
    EXPECT_TRUE(screen.contains(main)) << "after a restart: main at " << shown(main);
    for (const auto &[action, name] : companions) {
        const QRect frame = openWindows(name).value(0)->frameGeometry();
        EXPECT_FALSE(frame.intersects(main))
            << "after a restart: " << name << " at " << shown(frame) << ", main at " << shown(main);
    }

    // A start with the three marked open but no places: they open before the
    // window manager has framed and put the main window, and end beside it.
    window.reset();
    {
        QFile ini(file(QStringLiteral("vintaro.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write("[Kerek]\nopen=true\n[Eselyek]\nopen=true\n[Rendszerek]\nopen=true\n");
    }
    recreateWindow();
    settle(window.get());
    QTest::qWait(300);
    for (const auto &[action, name] : companions) {
        const QList<QWidget *> open = openWindows(name);
        ASSERT_EQ(open.size(), 1) << name;
        settle(open[0]);
    }
    settle(window.get());
    const QRect started = window->frameGeometry();
    EXPECT_TRUE(screen.contains(started)) << "at a start without places: main at " << shown(started);
    for (const auto &[action, name] : companions) {
        const QRect frame = openWindows(name).value(0)->frameGeometry();
        EXPECT_FALSE(frame.intersects(started))
            << "at a start without places: " << name << " at " << shown(frame) << ", main at " << shown(started);
        EXPECT_TRUE(screen.contains(frame)) << "at a start without places: " << name << " at " << shown(frame);
    }
    const QString shots = qEnvironmentVariable("VINTARO_SCREENSHOTS");
    if (!shots.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(shots).filePath(
            QStringLiteral("companions-%1x%2-start.png").arg(screen.width()).arg(screen.height())));
}

} // namespace
} // namespace vintaro::test
