#include <gtest/gtest.h>

#include <QStringDecoder>

#include "persistence/cp1250.h"

namespace vintaro {
namespace {

TEST(Cp1250, HungarianLettersTakeTheirOwnBytes)
{
    EXPECT_EQ(toCp1250(QString::fromUtf8("őŐűŰáÁéÉíÍóÓöÖúÚüÜ")),
              QByteArray("\xF5\xD5\xFB\xDB\xE1\xC1\xE9\xC9\xED\xCD\xF3\xD3\xF6\xD6\xFA\xDA\xFC\xDC"));
    EXPECT_EQ(toCp1250(QString::fromUtf8("Hibás teremszám beállítás !")),
              QByteArray("Hib\xE1s teremsz\xE1m be\xE1ll\xEDt\xE1s !"));
    EXPECT_EQ(fromCp1250(QByteArray("P\xF6rget\xE9s \x80 \x8A\x9A")), QString::fromUtf8("Pörgetés € Šš"));
}

TEST(Cp1250, EveryByteSurvivesDecodingAndEncoding)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromCp1250(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(fitsCp1250(text));
    EXPECT_EQ(toCp1250(text), all);
}

// The 123 assigned upper bytes against Qt's own Windows-1250 decoder.
TEST(Cp1250, UpperHalfAgreesWithQtsDecoder)
{
    QStringDecoder qt("windows-1250");
    if (!qt.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1250 decoder";
    for (int b = 0x80; b < 0x100; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            continue; // unassigned in the code page
        const QByteArray byte(1, static_cast<char>(b));
        const QString expected = qt.decode(byte);
        EXPECT_EQ(fromCp1250(byte), expected) << std::hex << b;
        EXPECT_EQ(toCp1250(expected), byte) << std::hex << b;
    }
}

TEST(Cp1250, CharactersOutsideThePageBecomeOneQuestionMarkEach)
{
    const QString chinese = QString::fromUtf8("3中");
    const QString emoji = QString::fromUtf8("a\U0001F600b"); // a surrogate pair
    EXPECT_EQ(toCp1250(chinese), QByteArray("3?"));
    EXPECT_EQ(toCp1250(emoji), QByteArray("a?b"));
    EXPECT_FALSE(fitsCp1250(chinese));
    EXPECT_FALSE(fitsCp1250(emoji));
    EXPECT_FALSE(fitsCp1250(QString::fromUtf8("ő€ф")));
    EXPECT_TRUE(fitsCp1250(QString::fromUtf8("Terem 10. ő€")));
}

} // namespace
} // namespace vintaro
