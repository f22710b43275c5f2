#include <gtest/gtest.h>

#include "groupanalysis.h"

namespace vintaro {
namespace {

SpinHistory historyOf(std::initializer_list<int> spins)
{
    SpinHistory h;
    for (int n : spins)
        h.push(n);
    return h;
}

GroupAnalysis run(GroupKind kind, const SpinHistory &h, const GroupTables &tables = GroupTables())
{
    return analyseGroups(kind, tables.groups(kind), h);
}

TEST(GroupAnalysis, OneSpinOfFiveAndTheStreets)
{
    const GroupAnalysis a = run(GroupKind::Street, historyOf({5}));
    ASSERT_EQ(a.results.size(), 12u);
    EXPECT_EQ(a.results[1].figures, (BetFigures{1, 0, 0, 0}));
    for (size_t i : {0u, 2u, 11u})
        EXPECT_EQ(a.results[i].figures, (BetFigures{0, 1, 1, 1})) << i;
    ASSERT_NE(a.leading(), nullptr);
    EXPECT_EQ(a.leader, 0); // street 1 is first of the equally absent streets
    EXPECT_EQ(a.leading()->group.members, (std::vector<int>{1, 2, 3}));

    const auto lines = reportLines(a);
    ASSERT_EQ(lines.size(), 72u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 12),
              (std::vector<std::string>{"", "Utca :  04 05 06", "Hányszor :  1", "Kimarad :  0", "M.kimarad :  0",
                                        "*******************"}));
}

TEST(GroupAnalysis, AHistoryOfZerosMissesEveryGroupButZeroItself)
{
    const SpinHistory zeros = historyOf({0, 0, 0, 0});
    GroupTables tables;
    tables.fill(GroupKind::Pair, {"01 02", "01 04"});
    for (GroupKind kind : {GroupKind::Street, GroupKind::SixLine, GroupKind::Pair}) {
        const GroupAnalysis a = run(kind, zeros, tables);
        for (const GroupResult &r : a.results)
            EXPECT_EQ(r.figures, (BetFigures{0, 4, 4, 4})) << r.group.text;
        EXPECT_EQ(a.leader, 0);
    }
    const GroupAnalysis singles = run(GroupKind::SingleNumber, zeros);
    EXPECT_EQ(singles.results[0].figures, (BetFigures{4, 0, 0, 0}));
    ASSERT_NE(singles.leading(), nullptr);
    EXPECT_EQ(singles.leading()->group.members, std::vector<int>{1});
    EXPECT_EQ(reportLines(singles)[1], "Szám :  0");
}

TEST(GroupAnalysis, TiesGoToTheEarlierGroupAndTheFirstLongestRunKeepsItsPosition)
{
    // Spins 1, 7, 13, 7: street 1 is absent 3 since position 1, street 2
    // never came and leads with 4, ahead of the later streets absent 4 too.
    const GroupAnalysis a = run(GroupKind::Street, historyOf({1, 7, 13, 7}));
    EXPECT_EQ(a.leader, 1);
    EXPECT_EQ(a.results[0].figures, (BetFigures{1, 3, 3, 4}));
    EXPECT_EQ(a.results[1].figures, (BetFigures{0, 4, 4, 4}));

    // Street 1 runs: miss, miss (2), hit, miss, miss (2): the position stays
    // at the end of the first run; the open run at the end is counted.
    const GroupAnalysis b = run(GroupKind::Street, historyOf({20, 20, 1, 20, 20}));
    EXPECT_EQ(b.results[0].figures, (BetFigures{1, 2, 2, 2}));
    // A new record set by the still open run ends at the last spin.
    const GroupAnalysis c = run(GroupKind::Street, historyOf({20, 1, 20, 20}));
    EXPECT_EQ(c.results[0].figures, (BetFigures{1, 2, 2, 4}));
    // Street 2 and street 4 both absent 5 after a spin in street 1: 2 leads.
    const GroupAnalysis d = run(GroupKind::Street, historyOf({30, 30, 30, 30, 1}));
    EXPECT_EQ(d.results[1].figures.current, 5);
    EXPECT_EQ(d.results[3].figures.current, 5);
    EXPECT_EQ(d.leader, 1);
}

TEST(GroupAnalysis, NoLeaderWhenEveryGroupHasJustHit)
{
    GroupTables tables;
    tables.fill(GroupKind::Pair, {"05 06"});
    const GroupAnalysis a = run(GroupKind::Pair, historyOf({5}), tables);
    EXPECT_EQ(a.leader, -1);
    EXPECT_EQ(a.leading(), nullptr);
    EXPECT_TRUE(run(GroupKind::Corner, historyOf({5})).results.empty()); // no corner file read
}

TEST(GroupAnalysis, ReportLinesOfEveryKind)
{
    GroupTables tables;
    tables.fill(GroupKind::Corner, {"01 02 04 05"});
    tables.fill(GroupKind::Pair, {"01 02"});
    tables.fill(GroupKind::BigDiagonal, {"01 05 09"});
    tables.fill(GroupKind::SmallDiagonal, {"01 05"});
    const SpinHistory h = historyOf({36});
    auto secondLine = [&](GroupKind kind) { return reportLines(run(kind, h, tables))[1]; };
    EXPECT_EQ(secondLine(GroupKind::Corner), "Corner :  01 02 04 05");
    EXPECT_EQ(secondLine(GroupKind::Pair), "Pár :  01 02");
    EXPECT_EQ(secondLine(GroupKind::BigDiagonal), "N. átló :  01 05 09");
    EXPECT_EQ(secondLine(GroupKind::SmallDiagonal), "K. átló :  01 05");

    // The six-line report puts label and group text on two lines.
    const auto six = reportLines(run(GroupKind::SixLine, h));
    ASSERT_EQ(six.size(), 77u);
    EXPECT_EQ(std::vector<std::string>(six.end() - 7, six.end()),
              (std::vector<std::string>{"", "Hat szám :  ", "  31 32 33 34 35 36", "Hányszor :  1", "Kimarad :  0",
                                        "M.kimarad :  0", "*******************"}));
}

} // namespace
} // namespace vintaro
