// Spins typed while the wheel window has the keyboard reach spin entry as in
// the main window; the neighbour count box takes digits only once the player
// clicked into it or reached it with Tab.
#include <QAbstractButton>
#include <QSpinBox>

#include "tests/support/companionkeys.h"

namespace vintaro::test {
namespace {

TEST_F(CompanionKeysTest, TheWheelWindowPassesSpinEntryKeysOn)
{
    auto asOpened = [](QWidget *) {};
    auto onAHeatButton = [](QWidget *wheel) { QTest::mouseClick(control<QAbstractButton>(wheel, "Heat185"), Qt::LeftButton); };
    for (const auto &focus : {std::function<void(QWidget *)>(asOpened), std::function<void(QWidget *)>(onAHeatButton)})
        checkEntryKeys("kerek", "Kerek", focus);
}

TEST_F(CompanionKeysTest, TheNeighbourBoxTakesDigitsOnlyWhenChosen)
{
    QWidget *wheel = openActive("kerek", "Kerek");
    auto *neighbours = control<QSpinBox>(wheel, "Neighbours");
    ASSERT_NE(QApplication::focusWidget(), neighbours);
    type(QStringLiteral("4"));
    EXPECT_EQ(neighbours->value(), 2);
    EXPECT_EQ(lines(QStringLiteral("List1")), QStringList{"   1    4"});

    // Clicked into, the box takes the digit; Enter gives the keys back.
    QTest::mouseClick(neighbours, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), neighbours);
    neighbours->selectAll();
    type(QStringLiteral("3"));
    press(Qt::Key_Return);
    EXPECT_EQ(neighbours->value(), 3);
    EXPECT_NE(QApplication::focusWidget(), neighbours);
    type(QStringLiteral("5"));
    EXPECT_EQ(neighbours->value(), 3);
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    4", "   2    5"}));

    // Reached with Tab, likewise; Esc gives the keys back.
    for (int i = 0; i < 40 && QApplication::focusWidget() != neighbours; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), neighbours);
    neighbours->selectAll();
    type(QStringLiteral("1"));
    press(Qt::Key_Escape);
    EXPECT_EQ(neighbours->value(), 1);
    type(QStringLiteral("0"));
    EXPECT_EQ(lines(QStringLiteral("List1")), (QStringList{"   1    4", "   2    5", "   3    0"}));
}

} // namespace
} // namespace vintaro::test
