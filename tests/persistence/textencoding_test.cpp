#include <gtest/gtest.h>

#include <QString>

#include "persistence/textencoding.h"

namespace vintaro {
namespace {

TEST(TextEncoding, Utf8TextReadsAsAWindows1250ProgramSavedIt)
{
    const struct
    {
        std::string_view utf8;
        std::string_view cp1250;
    } cases[] = {
        {"Sorsz\xC3\xA1m", "Sorsz\xE1m"},
        {"\xC5\x91\xC5\xB0 \xE2\x82\xAC \xC5\xA0", "\xF5\xDB \x80 \x8A"}, // őŰ € Š
        {"\xF0\x9F\x98\x80!", "?!"},                                      // beyond the code page
        {"\xE4\xB8\xAD", "?"},                                            // not in the code page
        {"a\xE1" "b", "a?b"},                                             // no UTF-8: a lone byte
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(utf8ToCp1250(c.utf8), c.cp1250) << c.utf8;
        if (c.cp1250.find('?') == std::string_view::npos) {
            EXPECT_TRUE(sameText(c.cp1250, c.utf8)) << c.utf8;
        }
        EXPECT_TRUE(sameText(c.utf8, c.utf8));
    }
    EXPECT_FALSE(sameText("Szam", "Sz\xC3\xA1m"));
}

TEST(TextEncoding, Utf8LengthDropsACutOffCharacterAndRefusesOtherBytes)
{
    EXPECT_EQ(utf8Length("P\xC3\xB6rget\xC3\xA9s"), 10u);
    EXPECT_EQ(utf8Length("ab\xE2\x82"), 2u);        // "€" cut off after two of its bytes
    EXPECT_EQ(utf8Length("ab\xF0\x9F\x98\x80"), 6u);
    EXPECT_EQ(utf8Length("P\xF6rget\xE9s"), std::nullopt); // Windows-1250
    EXPECT_EQ(utf8Length("\x80" "a"), std::nullopt);
    EXPECT_EQ(utf8Length(""), 0u);
}

TEST(TextEncoding, AppendUtf8WritesWhatQtWrites)
{
    for (char32_t code : {0x41u, 0x7Fu, 0x80u, 0xE1u, 0x7FFu, 0x800u, 0x20ACu, 0xFFFDu, 0x10000u, 0x1F600u, 0x10FFFFu}) {
        std::string out;
        appendUtf8(out, code);
        EXPECT_EQ(out, QString::fromUcs4(&code, 1).toStdString()) << unsigned(code);
    }
}

} // namespace
} // namespace vintaro
