// Where typed keys go: to spin entry after start, after "  Start", after a
// room switch and after any click on a grid, a button or the menu. The room
// box Text1 takes keys only once the player clicked into it or reached it
// with Tab, and Enter, Esc or a click elsewhere gives them back. A digit
// never changes the room box unless the player chose it.
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>

#include <functional>
#include <vector>

#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class FocusTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        activate(window.get());
    }
    QLineEdit *roomBox() const { return child<QLineEdit>(QStringLiteral("Text1")); }
    // The spins of the history list, oldest first.
    std::vector<int> spins() const
    {
        std::vector<int> out;
        for (const QString &line : lines(QStringLiteral("List1")))
            out.push_back(line.split(QLatin1Char(' '), Qt::SkipEmptyParts).last().toInt());
        return out;
    }
    void clickRoomBox() const { QTest::mouseClick(roomBox(), Qt::LeftButton); }
};

TEST_F(FocusTest, AfterStartTypedSpinsAreEnteredAndTheRoomBoxStaysEmpty)
{
    EXPECT_NE(QApplication::focusWidget(), roomBox());
    type(QStringLiteral("17 5 32"));
    EXPECT_EQ(spins(), (std::vector<int>{17, 5, 32}));
    EXPECT_EQ(roomBox()->text(), QString());
}

TEST_F(FocusTest, AfterStartAZeroIsASpinNotRoomTen)
{
    // The room box reads "1" after Start; the spin 0 must not make it "10"
    // and file the list under room 10.
    put(QStringLiteral("terem.txt"), "1\r\n");
    put(QStringLiteral("rszamok.txt"), "");
    trigger(QStringLiteral("indit"));
    type(QStringLiteral("0"));
    EXPECT_EQ(roomBox()->text(), QStringLiteral("1"));
    EXPECT_EQ(spins(), (std::vector<int>{0}));
    click(QStringLiteral("Command15")); // "Mentés"
    EXPECT_EQ(bytes(QStringLiteral("rszamok1.txt")), QByteArray(" 0\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("1\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok10.txt")), QByteArray("<missing>"));
}

TEST_F(FocusTest, TheRoomBoxTakesKeysOnlyWhenChosenAndGivesThemBack)
{
    struct Case
    {
        const char *what;
        std::function<void()> choose; // how the player reaches the room box
        std::function<void()> leave;  // how the keys go back to spin entry
    };
    auto clickIn = [this] { clickRoomBox(); };
    auto tabTo = [this] {
        // Tab from wherever the keys are until the room box has them.
        for (int i = 0; i < 200 && QApplication::focusWidget() != roomBox(); ++i)
            press(Qt::Key_Tab);
    };
    auto pressKey = [](Qt::Key key) { return [key] { press(key); }; };
    auto clickOn = [this](const char *name) { return [this, name] { click(QLatin1String(name)); }; };
    const std::vector<Case> cases = {
        {"click in, Enter", clickIn, pressKey(Qt::Key_Return)},
        {"click in, keypad Enter", clickIn, pressKey(Qt::Key_Enter)},
        {"click in, Esc", clickIn, pressKey(Qt::Key_Escape)},
        {"Tab to it, Enter", tabTo, pressKey(Qt::Key_Return)},
        {"click in, click the entry grid", clickIn, clickOn("Command3D1(9)")},
        {"click in, click the selection grid", clickIn, clickOn("Command3D3(20)")},
        {"click in, click a button", clickIn, clickOn("Command12")},
        {"click in, click a street toggle", clickIn, clickOn("Command8(3)")},
        {"click in, Start", clickIn, [this] { trigger(QStringLiteral("indit")); }},
        {"click in, a menu item", clickIn, [this] { trigger(QStringLiteral("jobbra2")); }},
        {"click in, a click on the window's face", clickIn,
         [this] { QTest::mouseClick(child(QStringLiteral("Label2")), Qt::LeftButton); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        recreateWindow();
        activate(window.get());
        c.choose();
        ASSERT_EQ(QApplication::focusWidget(), roomBox());
        type(QStringLiteral("3"));
        press(Qt::Key_Backspace); // edits the box, takes no spin back
        type(QStringLiteral("4"));
        EXPECT_EQ(roomBox()->text(), QStringLiteral("4"));
        EXPECT_TRUE(spins().empty());
        c.leave();
        const size_t before = spins().size(); // a click on the entry grid enters its number
        const QString box = roomBox()->text(); // Start puts the room file's line there
        EXPECT_NE(QApplication::focusWidget(), roomBox()) << focusName().toStdString();
        type(QStringLiteral("2 7"));
        EXPECT_EQ(roomBox()->text(), box);
        ASSERT_EQ(spins().size(), before + 2);
        EXPECT_EQ(spins()[before], 2);
        EXPECT_EQ(spins()[before + 1], 7);
    }
}

TEST_F(FocusTest, TheWindowComingBackToTheFrontKeepsTheRoomBoxOnlyWhenClickedInto)
{
    // Chosen, then the player went to the wheel window: coming back by the
    // window, the keys are spin entry's.
    clickRoomBox();
    QWidget *wheel = openWindow(QStringLiteral("kerek"), "Kerek");
    activate(wheel);
    activate(window.get());
    EXPECT_NE(QApplication::focusWidget(), roomBox()) << focusName().toStdString();
    type(QStringLiteral("8"));
    EXPECT_EQ(spins(), (std::vector<int>{8}));

    // A click into the room box that also brings the window to the front
    // (the click arrives first, as on a real desktop) chooses it.
    activate(wheel);
    clickRoomBox();
    activate(window.get());
    EXPECT_EQ(QApplication::focusWidget(), roomBox()) << focusName().toStdString();
    type(QStringLiteral("5"));
    EXPECT_EQ(roomBox()->text(), QStringLiteral("5"));
    EXPECT_EQ(spins(), (std::vector<int>{8}));
}

TEST_F(FocusTest, AfterARoomSwitchTheNewWindowTakesSpins)
{
    put(QStringLiteral("rszamok3.txt"), " 5\r\n17\r\n");
    trigger(QStringLiteral("terem3"));
    ASSERT_EQ(platform->started.size(), 1u);
    recreateWindow(); // the new instance
    activate(window.get());
    EXPECT_NE(QApplication::focusWidget(), roomBox());
    trigger(QStringLiteral("indit"));
    EXPECT_EQ(roomBox()->text(), QStringLiteral("3"));
    type(QStringLiteral("12"));
    EXPECT_EQ(spins(), (std::vector<int>{5, 17, 12}));
    EXPECT_EQ(roomBox()->text(), QStringLiteral("3"));
}

} // namespace
} // namespace vintaro::test
