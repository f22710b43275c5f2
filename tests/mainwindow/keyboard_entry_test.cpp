// Spins typed on the keyboard of the shown, active main window, with a push
// button holding the focus: every key sequence enters what a click on the
// entry grid would enter, and the focused button ("Undo") is never pressed by
// Enter or Space. Keys go to the widget that has the focus.
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "widgets/appearance.h"
#include "tests/support/typing.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

struct KeyCase
{
    const char *what;
    std::vector<Press> keys;
    std::vector<int> spins; // the history afterwards; it starts as {9}
    const char *label3;     // what Label3 shows afterwards
    bool waiting = false;   // a digit still waits, shown grey
};

class KeyboardEntryTest : public WindowTest
{
protected:
    std::vector<int> spins() const
    {
        std::vector<int> out;
        for (const QString &line : lines(QStringLiteral("List1")))
            out.push_back(line.split(QLatin1Char(' '), Qt::SkipEmptyParts).last().toInt());
        return out;
    }
};

TEST_F(KeyboardEntryTest, DigitsEnterAndEditKeysTakeBack)
{
    constexpr auto keypad = Qt::KeypadModifier;
    const std::vector<KeyCase> cases = {
        {"0 enters at once", {{Qt::Key_0}}, {9, 0}, "0"},
        {"7 enters at once", {{Qt::Key_7}}, {9, 7}, "7"},
        {"keypad 5", {{Qt::Key_5, keypad}}, {9, 5}, "5"},
        {"1 2", {{Qt::Key_1}, {Qt::Key_2}}, {9, 12}, "12"},
        {"3 6", {{Qt::Key_3}, {Qt::Key_6}}, {9, 36}, "36"},
        {"3 7 is refused", {{Qt::Key_3}, {Qt::Key_7}}, {9}, "9"},
        {"2 Enter", {{Qt::Key_2}, {Qt::Key_Return}}, {9, 2}, "2"},
        {"1 keypad Enter", {{Qt::Key_1, keypad}, {Qt::Key_Enter, keypad}}, {9, 1}, "1"},
        {"3 Space", {{Qt::Key_3}, {Qt::Key_Space}}, {9, 3}, "3"},
        {"5 Enter: Enter finds nothing pending", {{Qt::Key_5}, {Qt::Key_Return}}, {9, 5}, "5"},
        {"Space alone", {{Qt::Key_Space}}, {9}, "9"},
        {"2 Esc", {{Qt::Key_2}, {Qt::Key_Escape}}, {9}, "9"},
        {"2 Backspace drops the digit", {{Qt::Key_2}, {Qt::Key_Backspace}}, {9}, "9"},
        {"Backspace undoes", {{Qt::Key_Backspace}}, {}, ""},
        {"Ctrl+Z undoes", {{Qt::Key_Z, Qt::ControlModifier}}, {}, ""},
        {"2 waits", {{Qt::Key_2}}, {9}, "2", true},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(c.what);
        recreateWindow();
        activate(window.get());
        enter({9});
        QAbstractButton *undo = button(QStringLiteral("Command1"));
        undo->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), undo);
        for (const Press &p : c.keys)
            press(p.key, p.modifiers);
        EXPECT_EQ(spins(), c.spins);
        EXPECT_EQ(text(QStringLiteral("Label3")), QLatin1String(c.label3));
        const QColor shown = child<QLabel>(QStringLiteral("Label3"))->palette().color(QPalette::WindowText);
        if (c.waiting) {
            EXPECT_EQ(shown, rgb(0x808080)); // a waiting digit is grey
        } else if (!c.spins.empty()) {
            EXPECT_EQ(shown, rgb(displayColour(c.spins.back())));
        }
    }
}

TEST_F(KeyboardEntryTest, TheRoomBoxKeepsItsKeysAndAClickEndsAWaitingDigit)
{
    activate(window.get());
    auto *room = child<QLineEdit>(QStringLiteral("Text1"));
    QTest::mouseClick(room, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), room);
    type(QStringLiteral("5"));
    press(Qt::Key_Backspace);
    type(QStringLiteral("3"));
    EXPECT_EQ(room->text(), QStringLiteral("3"));
    EXPECT_TRUE(lines(QStringLiteral("List1")).isEmpty());

    // A first digit waits; a click on the grid enters its own number, and the
    // next digit starts afresh.
    press(Qt::Key_Return); // the keys go back to spin entry
    type(QStringLiteral("2"));
    enter({17});
    type(QStringLiteral("8"));
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    17", "   2    8"}));
    EXPECT_EQ(room->text(), QStringLiteral("3"));
}

} // namespace
} // namespace vintaro::test

namespace vintaro::test {
namespace {

// "Mentés" with an empty room box: after the message the room box has the
// keys, so the room is typed at once; Enter gives the keys back to spin entry.
TEST_F(KeyboardEntryTest, AfterARefusedSaveTheRoomBoxTakesTheKeys)
{
    activate(window.get());
    type(QStringLiteral("5"));
    click(QStringLiteral("Command15"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, QString::fromUtf8("Hibás teremszám beállítás !"));
    EXPECT_EQ(focusName(), QStringLiteral("Text1"));
    type(QStringLiteral("4"));
    press(Qt::Key_Return);
    EXPECT_NE(focusName(), QStringLiteral("Text1"));
    type(QStringLiteral("17"));
    EXPECT_EQ(spins(), (std::vector<int>{5, 17}));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("4"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray(" 5\r\n17\r\n"));

    // A room box holding a room that is refused is typed over.
    setRoomBox(QStringLiteral("12"));
    type(QStringLiteral("0"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(focusName(), QStringLiteral("Text1"));
    type(QStringLiteral("4"));
    press(Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("Text1"))->text(), QStringLiteral("4"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray(" 5\r\n17\r\n 0\r\n"));
}

} // namespace
} // namespace vintaro::test
