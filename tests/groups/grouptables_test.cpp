#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "groups/grouptables.h"
#include "persistence/groupfiles.h"

namespace vintaro {
namespace {

TEST(GroupTables, ComputedStreetsAndSixLinesNeverHoldZero)
{
    const GroupTables tables;
    EXPECT_EQ(tables.text(GroupKind::Street, 1), "01 02 03");
    EXPECT_EQ(tables.text(GroupKind::Street, 12), "34 35 36");
    EXPECT_EQ(tables.text(GroupKind::SixLine, 1), "01 02 03 04 05 06");
    EXPECT_EQ(tables.text(GroupKind::SixLine, 11), "31 32 33 34 35 36");
    EXPECT_EQ(tables.groups(GroupKind::Street).size(), 12u);
    EXPECT_EQ(tables.groups(GroupKind::SixLine).size(), 11u);
    EXPECT_EQ(tables.groups(GroupKind::SixLine)[10].members, (std::vector<int>{31, 32, 33, 34, 35, 36}));
    for (GroupKind kind : {GroupKind::Street, GroupKind::SixLine})
        for (const Group &g : tables.groups(kind))
            for (int n : g.members)
                EXPECT_NE(n, 0) << g.text;
    // Nothing beyond the table, nothing at entry 0.
    EXPECT_EQ(tables.text(GroupKind::Street, 0), "");
    EXPECT_EQ(tables.text(GroupKind::Street, 13), "");
}

TEST(GroupTables, FileRecordsFillTheTableUpToItsCapacity)
{
    GroupTables tables;
    tables.fill(GroupKind::Pair, std::vector<std::string>(60, "01 02"));
    EXPECT_EQ(tables.groups(GroupKind::Pair).size(), 57u);
    EXPECT_EQ(tables.text(GroupKind::Pair, 58), "");

    // A longer record is cut to the width, a shorter one padded with blanks.
    tables.fill(GroupKind::BigDiagonal, {"01 05 09 13", "3 5"});
    EXPECT_EQ(tables.text(GroupKind::BigDiagonal, 1), "01 05 09");
    EXPECT_EQ(tables.text(GroupKind::BigDiagonal, 2), "3 5     ");
    // Entries left empty are not groups at all.
    EXPECT_EQ(tables.groups(GroupKind::BigDiagonal).size(), 2u);
    EXPECT_TRUE(tables.isEmpty(GroupKind::BigDiagonal, 3));
}

TEST(GroupTables, MembersAreReadFromFixedSlices)
{
    // The last member always comes from the last two characters, so a record
    // written with one-digit numbers is misread, its last member as 0.
    GroupTables tables;
    tables.fill(GroupKind::Corner, {"1 2 4 5"});
    EXPECT_EQ(tables.groups(GroupKind::Corner)[0].members, (std::vector<int>{1, 4, 5, 0}));
    EXPECT_EQ(groupMembers("31 32 33 34 35 36", 6), (std::vector<int>{31, 32, 33, 34, 35, 36}));
    EXPECT_EQ(groupMembers("x1 2", 2), (std::vector<int>{0, 2}));
}

TEST(GroupTables, WidthsCountCharactersOfTheFilesCodePageNotBytes)
{
    // "01ő02" in Windows-1250 is five bytes, five characters; as UTF-8 six.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("parok.txt"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("01\xF5" "02\r\n\xE1\xE9\r\n02 03 04\r\n");
    }
    const auto records = readGroupFile(file);
    ASSERT_TRUE(records);
    GroupTables tables;
    tables.fill(GroupKind::Pair, *records);
    EXPECT_EQ(tables.text(GroupKind::Pair, 1), "01\u015102");
    EXPECT_EQ(tables.groups(GroupKind::Pair)[0].members, (std::vector<int>{1, 2}));
    EXPECT_EQ(tables.text(GroupKind::Pair, 2), "\u00e1\u00e9   "); // padded to five characters
    EXPECT_EQ(tables.text(GroupKind::Pair, 3), "02 03");
    EXPECT_EQ(groupMembers("\u01511 02 03", 3), (std::vector<int>{0, 2, 3}));
}

TEST(GroupTables, SingleNumbersAreZeroToThirtySix)
{
    const auto singles = GroupTables().groups(GroupKind::SingleNumber);
    ASSERT_EQ(singles.size(), 37u);
    EXPECT_EQ(singles[0].text, "0");
    EXPECT_EQ(singles[0].members, std::vector<int>{0});
    EXPECT_EQ(singles[36].text, "36");
}

} // namespace
} // namespace vintaro
