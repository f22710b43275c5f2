// Where the settings file lies: beside the lists of a program folder of its
// own, in the user's configuration folder for an installed program.
#include <gtest/gtest.h>

#include "persistence/locations.h"

namespace vintaro {
namespace {

TEST(SettingsFile, BesideThePortableListsElseInTheUserConfigFolder)
{
    const QString config = QStringLiteral("/home/u/.config/vintaro");
    struct Case
    {
        const char *what;
        Folders folders;
        QString expected;
    };
    const Case cases[] = {
        {"program folder", portableFolders(QStringLiteral("/opt/v")), QStringLiteral("/opt/v/vintaro.ini")},
        {"program folder, path with ..", {QStringLiteral("/opt/v/../v"), QStringLiteral("/opt/v"),
                                          QStringLiteral("/opt/v/vintaro2011"), {}},
         QStringLiteral("/opt/v/vintaro.ini")},
        {"program folder, lists elsewhere", {QStringLiteral("/opt/v"), QStringLiteral("/data/mine"),
                                              QStringLiteral("/opt/v/vintaro2011"), {}},
         QStringLiteral("/data/mine/vintaro.ini")},
        {"installed", {QStringLiteral("/usr/share/vintaro"), QStringLiteral("/home/u/.local/share/vintaro"),
                       QStringLiteral("/usr/bin/vintaro2011"), {}},
         config + QStringLiteral("/vintaro.ini")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(settingsFile(c.folders, config), c.expected) << c.what;
}

} // namespace
} // namespace vintaro
