// The C library's reasons in Hungarian: what a file that cannot be read says.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "persistence/systemerror.h"

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

} // namespace
} // namespace vintaro
