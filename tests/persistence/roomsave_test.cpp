#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/files.h"
#include "tests/support/readonlyfolder.h"
#include "persistence/roomsave.h"

namespace vintaro {
namespace {

using test::bytesOf;

TEST(RoomSave, RoomBoxTexts)
{
    for (const char *good : {"1", "10", " 4 ", "4  ", "07", "3.5", "10.0", "2x"})
        EXPECT_TRUE(roomBoxAccepted(QString::fromUtf8(good))) << good;
    for (const char *outOfRange : {"", " ", "0", "11", "10.5", "0.9", "abc", "-3"})
        EXPECT_FALSE(roomBoxAccepted(QString::fromUtf8(outOfRange))) << outOfRange;
    // Texts that would lead the file name out of the program folder.
    for (const char *unsafe : {"../x", "3/x", "3/../../x", "3\\x", "3..", "1..\\x", "3\tx", "4\x7f", "3,5"})
        EXPECT_FALSE(roomBoxAccepted(QString::fromUtf8(unsafe))) << unsafe;
    EXPECT_FALSE(roomBoxAccepted(QStringLiteral("4") + QChar(0x85)));
    // A character the room number file cannot hold.
    EXPECT_FALSE(roomBoxAccepted(QString::fromUtf8("3中")));

    EXPECT_EQ(roomText(QStringLiteral("  7 ")), QStringLiteral("7"));
    EXPECT_EQ(roomText(QStringLiteral("07")), QStringLiteral("07"));
    EXPECT_EQ(roomText(QStringLiteral("   ")), QString());
}

TEST(RoomSave, FilesThatCannotBeWrittenAreNamedAndKeepTheirContent)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("rszamok3.txt"));
    const QString number = dir.filePath(QStringLiteral("terem.txt"));
    {
        QFile f(list);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(" 1\r\n 2\r\n");
    }
    const std::vector<std::int16_t> history{9};
    const auto save = [&] { return saveRoomFiles(dir.path(), QStringLiteral("3"), history, SavePlan{}); };
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.active())
            GTEST_SKIP() << "this file system does not refuse writes";
        EXPECT_EQ(save(), (FileFault{FileFault::Kind::Unwritable, list, {}}));
    }
    EXPECT_EQ(bytesOf(list), QByteArray(" 1\r\n 2\r\n"));
    EXPECT_FALSE(QFile::exists(number));

    // Only the room list fails: the room number file does not name a room
    // whose list was not saved.
    QFile::remove(list);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rszamok3.txt")));
    EXPECT_EQ(save(), (FileFault{FileFault::Kind::Unwritable, list, {}}));
    EXPECT_FALSE(QFile::exists(number));
}

} // namespace
} // namespace vintaro
