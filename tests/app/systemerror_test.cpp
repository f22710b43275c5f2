// The C library's reasons in Hungarian: what a file that cannot be read says.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "app/systemerror.h"

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
        EXPECT_EQ(systemErrorText(c.code).toStdString(), c.hungarian) << c.code;
        // Found again from the text the C library writes.
        EXPECT_EQ(systemErrorText(std::strerror(c.code)).toStdString(), c.hungarian) << c.code;
    }
    // No English slips through for any error the C library knows.
    for (int code = 1; code < 134; ++code) {
        const QString text = systemErrorText(std::strerror(code));
        EXPECT_FALSE(text.contains(QString::fromUtf8(std::strerror(code)))) << code;
        EXPECT_FALSE(text.isEmpty()) << code;
    }
    EXPECT_EQ(systemErrorText(std::string_view("not a reason")).toStdString(), "ismeretlen rendszerhiba");
}

} // namespace
} // namespace vintaro
