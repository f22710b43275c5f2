#include <gtest/gtest.h>

#include "core/session.h"

using namespace vintaro;

TEST(Session, EnteringSpins)
{
    Session s;
    EXPECT_EQ(s.apply(), Session::EntryResult::NoNumber); // nothing entered yet
    EXPECT_FALSE(s.unsaved());
    EXPECT_FALSE(s.figuresShown());

    EXPECT_EQ(s.enter(17), Session::EntryResult::Applied);
    EXPECT_EQ(s.spunText(), "17");
    EXPECT_EQ(s.countText(), "1");
    EXPECT_TRUE(s.unsaved());
    EXPECT_EQ(s.absence(17), 0);
    EXPECT_EQ(s.absence(5), 1); // never came: the spin count

    s.enter(0);
    EXPECT_EQ(s.spunText(), "0");
    EXPECT_EQ(s.absence(17), 1);
    EXPECT_EQ(s.history().at(2), 0);
}

TEST(Session, FullHistoryRefusesTheSpin)
{
    Session s;
    std::vector<std::int16_t> full(SpinHistory::kCapacity, 3);
    s.load(full);
    EXPECT_EQ(s.countText(), " 32736");
    EXPECT_EQ(s.enter(5), Session::EntryResult::HistoryFull);
    EXPECT_EQ(s.count(), SpinHistory::kCapacity);
    EXPECT_EQ(s.spunText(), ""); // Label3 unchanged
    EXPECT_FALSE(s.unsaved());
}

TEST(Session, LoadingAList)
{
    Session s;
    s.load({});
    EXPECT_EQ(s.countText(), " 0");
    EXPECT_FALSE(s.figuresShown()); // an empty list leaves the statistics as they were

    s.load({5, 17, 0});
    EXPECT_EQ(s.countText(), " 3");
    EXPECT_EQ(s.spunText(), "");
    EXPECT_FALSE(s.unsaved());
    EXPECT_EQ(s.absence(5), 2);
    EXPECT_EQ(s.absence(17), 1);

    Session entered;
    for (int n : {5, 17, 0})
        entered.enter(n);
    EXPECT_EQ(s.figures(), entered.figures());

    // The next spin continues the numbering.
    s.enter(8);
    EXPECT_EQ(s.countText(), "4");
}

TEST(Session, UndoRecomputesFromTheShortenedHistory)
{
    Session s;
    EXPECT_EQ(s.undo(), Session::UndoResult::Nothing);
    EXPECT_FALSE(s.unsaved()); // an empty history changes nothing

    for (int n : {5, 17, 0})
        s.enter(n);
    s.setUnsaved(false);
    EXPECT_EQ(s.undo(), Session::UndoResult::Undone);
    EXPECT_TRUE(s.unsaved());
    EXPECT_EQ(s.countText(), "2");
    EXPECT_EQ(s.spunText(), "");
    Session twoSpins;
    twoSpins.enter(5);
    twoSpins.enter(17);
    EXPECT_EQ(s.figures(), twoSpins.figures());

    s.undo(); // history 5: 17 no longer occurs
    EXPECT_EQ(s.absence(17), 1);
    EXPECT_EQ(s.absence(5), 0);

    s.undo();
    EXPECT_EQ(s.countText(), "0");
    EXPECT_EQ(s.count(), 0);
    for (const Figures &f : s.figures())
        EXPECT_EQ(f, (Figures{0, 0, 0}));
    EXPECT_EQ(s.absence(5), 0);
}
