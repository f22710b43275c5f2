#include <gtest/gtest.h>

#include "persistence/fields.h"

using namespace vintaro;

namespace {

std::vector<std::string> texts(std::string_view content)
{
    std::vector<std::string> out;
    for (const Field &f : readFields(content))
        out.push_back(f.text);
    return out;
}

} // namespace

TEST(Fields, LinesWrittenByTheProgram)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(texts(" 5\r\n17\r\n 0\r\n"), (V{"5", "17", "0"}));
    EXPECT_EQ(texts("5\r\n17"), (V{"5", "17"})); // no final line end
    EXPECT_EQ(texts(""), V{});
    EXPECT_EQ(texts("01 02 04 05\r\n"), (V{"01 02 04 05"}));
    EXPECT_EQ(texts("4  \r\n"), (V{"4"}));
    EXPECT_EQ(texts("5\n6\r7"), (V{"5", "6", "7"}));
}

TEST(Fields, CommasQuotesAndEmptyLines)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(texts("1,2\r\n3"), (V{"1", "2", "3"}));
    EXPECT_EQ(texts("\"a,b\",c\r\n"), (V{"a,b", "c"}));
    EXPECT_EQ(texts("\r\n5\r\n"), (V{"", "5"}));
    EXPECT_EQ(texts("7,\r\n8"), (V{"7", "", "8"}));
    EXPECT_EQ(texts("\"open"), (V{"open"}));
}

TEST(Fields, LineNumbers)
{
    const auto fields = readFields("5\r\n\r\nx,9\r\n12");
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0].line, 1);
    EXPECT_EQ(fields[1].line, 2);
    EXPECT_EQ(fields[2].line, 3);
    EXPECT_EQ(fields[3].line, 3);
    EXPECT_EQ(fields[4].line, 4);
}
