// Reading spin files: separators, encodings, tokens that are no number, and
// blocks that cut tokens in two.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "persistence/spintokenizer.h"

namespace vintaro {
namespace {

struct Tokens
{
    std::vector<int> numbers;
    std::int64_t junk = 0, line = 0;
    std::string text;
    bool operator==(const Tokens &) const = default;
};

// Feeds `bytes` in pieces of the given sizes (cycled), then ends the file.
Tokens tokenize(const std::string &bytes, const std::vector<size_t> &pieces)
{
    SpinTokenizer t;
    std::vector<std::uint8_t> out(bytes.size() + 1);
    Tokens r;
    size_t at = 0, k = 0;
    auto take = [&r, &out](size_t n) { r.numbers.insert(r.numbers.end(), out.begin(), out.begin() + long(n)); };
    while (at < bytes.size()) {
        const size_t n = std::min(bytes.size() - at, pieces[k++ % pieces.size()]);
        take(t.feed(reinterpret_cast<const unsigned char *>(bytes.data()) + at, n, out.data()));
        at += n;
    }
    take(t.finish(out.data()));
    r.junk = t.junk();
    r.line = t.firstJunkLine();
    r.text = t.firstJunkText();
    return r;
}

TEST(SpinTokenizer, SeparatorsEncodingsAndJunk)
{
    const struct
    {
        std::string bytes;
        Tokens expected;
    } cases[] = {
        {"1,2;3 4\t5\r\n6\n7\r8", {{1, 2, 3, 4, 5, 6, 7, 8}, 0, 0, ""}},
        {"\xEF\xBB\xBF" "0\r\n36\r\n", {{0, 36}, 0, 0, ""}},                   // UTF-8 with its mark
        {"5\r\n\r\nabc\r\n17", {{5, 17}, 1, 3, "abc"}},                         // an empty line is no token
        {"1\r2\r37\r-1\r2.5\r07", {{1, 2, 7}, 3, 3, "37"}},                     // CR alone ends a line
        {"3\n\xE9v\n4", {{3, 4}, 1, 2, "\xE9v"}},                               // Windows-1250 "év"
        {"3\n\xC3\xA9v 4", {{3, 4}, 1, 2, "\xC3\xA9v"}},                        // UTF-8 "év"
        {"\xEF\xBB" "1 2", {{2}, 1, 1, "\xEF\xBB" "1"}},                        // a torn mark
        {"", {{}, 0, 0, ""}},
        {"12345678901234567890 9", {{9}, 1, 1, "12345678901234567890"}},
    };
    for (const auto &c : cases) {
        const Tokens whole = tokenize(c.bytes, {1 << 20});
        EXPECT_EQ(whole.numbers, c.expected.numbers) << c.bytes;
        EXPECT_EQ(whole.junk, c.expected.junk) << c.bytes;
        EXPECT_EQ(whole.line, c.expected.line) << c.bytes;
        EXPECT_EQ(whole.text, c.expected.text) << c.bytes;
        EXPECT_EQ(tokenize(c.bytes, {1}), whole) << "byte by byte: " << c.bytes;
        EXPECT_EQ(tokenize(c.bytes, {2, 3}), whole) << "in pieces: " << c.bytes;
    }
}

TEST(SpinTokenizer, RandomFilesGiveTheSameResultWhereverTheBlocksEnd)
{
    std::mt19937 random(7);
    const char *const seps[] = {"\r\n", "\n", ",", ";", " ", "\t", "\r", ", "};
    const char *const junk[] = {"x", "37", "2.5", "-3", "\xE9", "100"};
    for (int round = 0; round < 20; ++round) {
        std::string bytes = round % 2 ? "\xEF\xBB\xBF" : "";
        std::vector<int> numbers;
        for (int i = 0; i < 300; ++i) {
            if (random() % 25 == 0) {
                bytes += junk[random() % 6];
            } else {
                numbers.push_back(int(random() % 37));
                bytes += std::to_string(numbers.back());
            }
            bytes += seps[random() % 8];
        }
        const Tokens whole = tokenize(bytes, {1 << 20});
        EXPECT_EQ(whole.numbers, numbers);
        EXPECT_EQ(tokenize(bytes, {size_t(1 + random() % 7), size_t(1 + random() % 50), size_t(64 + random() % 200)}), whole);
    }
}

} // namespace
} // namespace vintaro
