#include <gtest/gtest.h>

#include "groups/groupanalysis.h"
#include "tests/support/histories.h"

namespace vintaro {
namespace {

using test::historyOf;

GroupAnalysis run(GroupKind kind, const SpinHistory &h, const GroupTables &tables = GroupTables())
{
    return analyseGroups(kind, tables.groups(kind), h);
}

TEST(GroupAnalysis, TheFirstLongestRunKeepsItsPosition)
{
    // Street 1 runs: miss, miss (2), hit, miss, miss (2): the position stays
    // at the end of the first run; the open run at the end is counted.
    const GroupAnalysis b = run(GroupKind::Street, historyOf({20, 20, 1, 20, 20}));
    EXPECT_EQ(b.results[0].figures, (BetFigures{1, 2, 2, 2}));
    // A new record set by the still open run ends at the last spin.
    const GroupAnalysis c = run(GroupKind::Street, historyOf({20, 1, 20, 20}));
    EXPECT_EQ(c.results[0].figures, (BetFigures{1, 2, 2, 4}));
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

} // namespace
} // namespace vintaro
