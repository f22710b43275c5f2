// The wheel and odds windows open beside the main window, and come back
// where they stood, at their size, when the program starts again (a room
// switch restarts it) if they were open when it ended.
#include <QScreen>
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
