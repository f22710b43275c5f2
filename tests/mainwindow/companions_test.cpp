// The wheel and odds windows open beside the main window, and come back
// where they stood, at their size, when the program starts again (a room
// switch restarts it) if they were open when it ended.
#include <QFileInfo>
#include <QScreen>
#include <QSettings>

#include <sys/stat.h>
#include <QStandardPaths>

#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"

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

} // namespace
} // namespace vintaro::test
