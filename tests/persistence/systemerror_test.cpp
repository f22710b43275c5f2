// The C library's reasons in Hungarian: what a file that cannot be read says;
// and the same, with the reader's other words, in English.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "persistence/readertext.h"
#include "persistence/systemerror.h"
#include "tests/support/englishtexts.h"

namespace vintaro {
namespace {

TEST(SystemError, TheCLibrarysReasonsInHungarian)
{
    const struct
    {
        int code;
        const char *hungarian;
    } cases[] = {
        {ENOENT, "nincs ilyen fájl vagy mappa"},
        {EACCES, "nincs hozzá jogosultság"},
        {EISDIR, "ez egy mappa, nem fájl"},
        {EIO, "írási vagy olvasási hiba a lemezen"},
        {ENOSPC, "nincs több hely a lemezen"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(systemErrorText(c.code), c.hungarian) << c.code;
    }
    // No English slips through for any error the C library knows.
    for (int code = 1; code < 134; ++code) {
        const std::string text = systemErrorText(code);
        EXPECT_EQ(text.find(std::strerror(code)), std::string::npos) << code;
        EXPECT_FALSE(text.empty()) << code;
    }
}

TEST(SystemError, TheReadersWordsFollowTheLanguage)
{
    const auto english = [](const std::string &reason) { return readErrorText(reason).toStdString(); };
    const auto hungarian = [](const std::string &reason) { return QString::fromStdString(reason); };
    // Hungarian: the reader's own words, unchanged.
    for (const int code : {ENOENT, EISDIR, 4242})
        EXPECT_EQ(readErrorText(systemErrorText(code)), hungarian(systemErrorText(code))) << code;
    EXPECT_EQ(systemErrorText(4242), "ismeretlen rendszerhiba (4242. számú)");
    for (const SpinFormat format : {SpinFormat::Utf16List, SpinFormat::ExportCsv, SpinFormat::Utf16ExportCsv})
        EXPECT_EQ(spinFormatText(format), hungarian(formatNote(format)));

    const test::EnglishTexts inEnglish;
    ASSERT_TRUE(inEnglish.installed());
    const struct
    {
        std::string reason;
        const char *english;
    } cases[] = {
        {systemErrorText(ENOENT), "no such file or folder"},
        {systemErrorText(EACCES), "permission denied"},
        {systemErrorText(ENOSPC), "no space left on the disk"},
        {systemErrorText(4242), "unknown system error (number 4242)"},
        {systemErrorText(-7), "unknown system error (number -7)"},
        {InputFile("/", InputKind::RegularFile).reason(), "it is a folder, not a file"},
        {InputFile("/dev/null", InputKind::RegularFile).reason(), "it is a device, not a regular file"},
        {InputFile("/dev/null", InputKind::FileOrStream).reason(),
         "it is a device, not a file; only a file or a pipe can be read"},
        {"not the reader's", "not the reader's"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(english(c.reason), c.english) << c.reason;
    // Every reason the C library can give.
    for (int code = 1; code < 134; ++code)
        EXPECT_FALSE(test::hasHungarianLetter(readErrorText(systemErrorText(code)))) << english(systemErrorText(code));

    EXPECT_TRUE(spinFormatText(SpinFormat::List).isEmpty());
    EXPECT_EQ(spinFormatText(SpinFormat::Utf16List), QStringLiteral("UTF-16 text"));
    EXPECT_EQ(spinFormatText(SpinFormat::ExportCsv), QStringLiteral("the program's CSV export, its number column"));
    EXPECT_EQ(spinFormatText(SpinFormat::Utf16ExportCsv),
              QStringLiteral("the program's CSV export in UTF-16, its number column"));
}

} // namespace
} // namespace vintaro
