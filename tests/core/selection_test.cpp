#include <gtest/gtest.h>

#include "core/selection.h"

using namespace vintaro;

TEST(Selection, TogglesMoveTheCountByOne)
{
    Selection s;
    EXPECT_EQ(s.caption(7), "7");
    EXPECT_EQ(s.countText(), "0");
    s.toggle(5);
    EXPECT_EQ(s.countText(), " 1");
    s.toggle(12);
    EXPECT_EQ(s.countText(), " 2");
    EXPECT_TRUE(s.isSelected(5));
    EXPECT_EQ(s.caption(5), "");

    s.toggle(5);
    EXPECT_FALSE(s.isSelected(5));
    EXPECT_EQ(s.caption(5), " 5 "); // blanks around, unlike at start-up
    EXPECT_EQ(s.countText(), " 1");
    EXPECT_EQ(s.selectedNumbers(), std::vector<int>{12});

    s.toggle(0); // zero is selected like any other number
    EXPECT_TRUE(s.isSelected(0));
    s.toggle(37); // no such button
    EXPECT_EQ(s.countText(), " 2");
}

TEST(Selection, ClearAndGroupSelection)
{
    Selection s;
    s.clear();
    for (int n = 0; n <= 36; ++n)
        EXPECT_EQ(s.caption(n), std::string(1, ' ').append(std::to_string(n)).append(1, ' '));
    EXPECT_EQ(s.countText(), "0");

    s.selectGroup({1, 2, 3}, 3);
    EXPECT_EQ(s.countText(), "3");
    EXPECT_EQ(s.countValue(), 3);
    EXPECT_EQ(s.selectedNumbers(), (std::vector<int>{1, 2, 3}));

    s.setCountText("0"); // the count text is what the examination trusts
    EXPECT_EQ(s.countValue(), 0);
}
