// Where the settings file lies: beside the lists of a program folder of its
// own, in the user's configuration folder for an installed program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>
#include <vector>

#include "persistence/locations.h"
#include "tests/support/files.h"

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

// Only a regular file of sane size is read and written: a FIFO would hang
// the start, a link would have its target written.
TEST(SettingsFile, UsedOnlyWhenItIsAPlainFileOfSaneSize)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("vintaro.ini"));
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.ini"));
    ASSERT_TRUE(test::putBytes(elsewhere, "[Eselyek]\nopen=true\n"));
    struct Case
    {
        const char *what;
        std::function<bool()> make;
        bool used;
    };
    const std::vector<Case> cases = {
        {"none yet", [] { return true; }, true},
        {"a settings file", [&] { return test::putBytes(ini, "[Eselyek]\nopen=true\n"); }, true},
        {"a file of the largest size", [&] { return test::putBytes(ini, QByteArray(kSettingsLimit, '#')); }, true},
        {"a file too large", [&] { return test::putBytes(ini, QByteArray(kSettingsLimit + 1, '#')); }, false},
        {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(ini).constData(), 0644) == 0; }, false},
        {"a folder", [&] { return QDir().mkdir(ini); }, false},
        {"a link to a settings file", [&] { return QFile::link(elsewhere, ini); }, false},
        {"a dangling link", [&] { return QFile::link(dir.filePath(QStringLiteral("none")), ini); }, false},
    };
    for (const Case &c : cases) {
        QFile::remove(ini);
        QDir().rmdir(ini);
        ASSERT_TRUE(c.make()) << c.what;
        EXPECT_EQ(usableSettingsFile(ini), c.used ? ini : QString()) << c.what;
    }
}

} // namespace
} // namespace vintaro
