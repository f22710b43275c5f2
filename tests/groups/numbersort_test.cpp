#include <gtest/gtest.h>

#include "groups/numbersort.h"

namespace vintaro {
namespace {

std::vector<NumberAbsence> sorted(SortOrder order, const std::vector<NumberAbsence> &pairs)
{
    std::vector<NumberAbsence> out;
    for (const std::string &key : sortedKeys(order, pairs))
        out.push_back(pairOfKey(order, key));
    return out;
}

TEST(NumberSort, LongAbsencesSortByValue)
{
    EXPECT_EQ(sortKey(SortOrder::ByAbsence, {7, 4}), "0000407");
    EXPECT_EQ(sortKey(SortOrder::ByNumber, {7, 4}), "0700004");
    // A three-digit field would put "100001" before "99902".
    const std::vector<NumberAbsence> pairs = {{1, 1000}, {2, 999}, {3, 32736}, {4, 0}};
    EXPECT_EQ(sorted(SortOrder::ByAbsence, pairs),
              (std::vector<NumberAbsence>{{4, 0}, {2, 999}, {1, 1000}, {3, 32736}}));
    EXPECT_EQ(sorted(SortOrder::ByNumber, sorted(SortOrder::ByAbsence, pairs)), pairs);
}

TEST(NumberSort, FieldsNeverOutgrowTheirWidth)
{
    // Values that cannot occur are held at the field's limits instead of
    // shifting the slices of the key.
    EXPECT_EQ(pairOfKey(SortOrder::ByAbsence, sortKey(SortOrder::ByAbsence, {100, -3})), (NumberAbsence{99, 0}));
    EXPECT_EQ(pairOfKey(SortOrder::ByNumber, sortKey(SortOrder::ByNumber, {5, 123456})), (NumberAbsence{5, 99999}));
}

} // namespace
} // namespace vintaro
