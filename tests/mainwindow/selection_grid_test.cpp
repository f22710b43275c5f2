// The selection grid: toggles by number, street and row, clearing, and the
// room box double click.
#include <QLineEdit>
#include <QTest>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class SelectionGrid : public WindowTest
{
protected:
    QAbstractButton *selectionButton(int n) const { return button(QStringLiteral("Command3D3(%1)").arg(n)); }
    bool shownSelected(int n) const
    {
        QAbstractButton *b = selectionButton(n);
        return b->text().isEmpty() && !b->icon().isNull();
    }
    void clickNumber(int n) const { click(QStringLiteral("Command3D3(%1)").arg(n)); }
};

TEST_F(SelectionGrid, ClicksSelectAndTakeBack)
{
    EXPECT_EQ(text("Label24"), "0");
    EXPECT_EQ(selectionButton(7)->text(), "7");
    clickNumber(5);
    EXPECT_EQ(text("Label24"), " 1");
    clickNumber(12);
    EXPECT_EQ(text("Label24"), " 2");
    EXPECT_TRUE(shownSelected(5));
    EXPECT_TRUE(shownSelected(12));
    EXPECT_TRUE(window->selection().isSelected(12));

    clickNumber(0); // zero works like any other number
    EXPECT_TRUE(shownSelected(0));
    EXPECT_EQ(text("Label24"), " 3");

    clickNumber(7);
    clickNumber(7);
    EXPECT_EQ(selectionButton(7)->text(), " 7 ");
    EXPECT_TRUE(selectionButton(7)->icon().isNull());
    EXPECT_EQ(text("Label24"), " 3");
    for (int n : {0, 5, 12}) {
        clickNumber(n);
        EXPECT_EQ(selectionButton(n)->text(), QStringLiteral(" %1 ").arg(n));
    }
    EXPECT_EQ(text("Label24"), " 0");
}

TEST_F(SelectionGrid, StreetTogglesFlipEachNumber)
{
    clickNumber(2);
    EXPECT_EQ(text("Label24"), " 1");
    click("Command8(0)");
    EXPECT_TRUE(shownSelected(1));
    EXPECT_FALSE(shownSelected(2));
    EXPECT_EQ(selectionButton(2)->text(), " 2 ");
    EXPECT_TRUE(shownSelected(3));
    EXPECT_EQ(text("Label24"), " 2");
    EXPECT_FALSE(shownSelected(0)); // a toggle never touches 0

    click("Command8(11)");
    for (int n : {34, 35, 36})
        EXPECT_TRUE(shownSelected(n));
    EXPECT_EQ(text("Label24"), " 5");
}

TEST_F(SelectionGrid, RowToggleTwiceSelectsAndTakesBackTheRow)
{
    click("Command9(2)");
    EXPECT_EQ(text("Label24"), " 12");
    for (int n = 1; n <= 36; ++n)
        EXPECT_EQ(shownSelected(n), n % 3 == 1) << n;
    click("Command9(2)");
    EXPECT_EQ(text("Label24"), " 0");
    for (int n = 1; n <= 34; n += 3) {
        EXPECT_EQ(selectionButton(n)->text(), QStringLiteral(" %1 ").arg(n));
        EXPECT_TRUE(selectionButton(n)->icon().isNull());
    }
    EXPECT_EQ(selectionButton(2)->text(), "2"); // the other rows keep their start-up captions

    click("Command9(0)");
    EXPECT_TRUE(shownSelected(3));
    EXPECT_TRUE(shownSelected(36));
    EXPECT_FALSE(shownSelected(35));
}

TEST_F(SelectionGrid, ClearingPutsEveryButtonBack)
{
    // Even with nothing selected every caption takes the blank-surrounded form.
    click("Command12");
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(selectionButton(n)->text(), QStringLiteral(" %1 ").arg(n));
    EXPECT_EQ(text("Label24"), "0");

    enter({5, 9});
    click("Command4"); // corners select four numbers
    ASSERT_EQ(text("Label24"), "4");
    const QString position = text("Label20");
    EXPECT_FALSE(position.isEmpty());
    click("Command12");
    for (int n = 0; n <= 36; ++n) {
        EXPECT_FALSE(window->selection().isSelected(n));
        EXPECT_TRUE(selectionButton(n)->icon().isNull()) << n;
        EXPECT_EQ(selectionButton(n)->text(), QStringLiteral(" %1 ").arg(n));
    }
    EXPECT_TRUE(lines("List2").isEmpty());
    EXPECT_EQ(text("Label24"), "0");
    EXPECT_EQ(text("Label12"), "");
    EXPECT_EQ(text("Label14"), "");
    EXPECT_EQ(text("Label18"), "");
    EXPECT_EQ(text("Label20"), position);
}

TEST_F(SelectionGrid, DoubleClickEmptiesTheRoomBox)
{
    auto *box = child<QLineEdit>("Text1");
    box->setText("3");
    enter({5});
    QTest::mouseDClick(box, Qt::LeftButton);
    EXPECT_EQ(box->text(), "");
    EXPECT_EQ(text("Label5"), "1");
    EXPECT_EQ(lines("List1").size(), 1);
}

} // namespace
} // namespace vintaro::test
