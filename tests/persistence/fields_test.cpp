#include <gtest/gtest.h>

#include <random>

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

// A line with one field reads the same through the short way as through
// readFields; a line with a comma or a quote is left to readFields.
TEST(Fields, LoneFieldAsReadFieldsReadsIt)
{
    const std::string alphabet = " \t,\"17x-.";
    std::mt19937 random(29);
    for (int round = 0; round < 20000; ++round) {
        std::string line(random() % 9, ' ');
        for (char &c : line)
            c = alphabet[random() % alphabet.size()];
        SCOPED_TRACE(line);
        const std::optional<std::string_view> lone = loneField(line);
        const bool plain = line.find_first_of(",\"") == std::string::npos;
        ASSERT_EQ(lone.has_value(), plain);
        if (!plain)
            continue;
        const std::vector<Field> fields = readFields(line);
        // An empty line gives no field to readFields; the file reader passes it on as one empty field.
        if (line.empty()) {
            EXPECT_TRUE(fields.empty());
            EXPECT_EQ(*lone, "");
            continue;
        }
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(*lone, fields[0].text);
    }
    EXPECT_EQ(loneField(" \t17 \t"), "17");
    EXPECT_EQ(loneField("0 1x"), "0 1x");
}
