#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "tests/support/filefaults.h"
#include "tests/support/files.h"
#include "tests/support/readonlyfolder.h"
#include "persistence/textfiles.h"

namespace vintaro {
namespace {

using test::bytesOf;

void put(const QString &path, const QByteArray &bytes) { ASSERT_TRUE(test::putBytes(path, bytes)); }

class TextFiles : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QTemporaryDir dir;
};

TEST_F(TextFiles, WriteLinesEndsEveryLineWithCrLfInWindows1250)
{
    ASSERT_TRUE(writeLines(path("a.txt"), {QStringLiteral("3"), QString(), QString::fromUtf8("ő 7")}));
    EXPECT_EQ(bytesOf(path("a.txt")), QByteArray("3\r\n\r\n\xF5 7\r\n"));

    put(path("b.txt"), "a much longer earlier content\r\n");
    ASSERT_TRUE(writeLines(path("b.txt"), {QStringLiteral("10")}));
    EXPECT_EQ(bytesOf(path("b.txt")), QByteArray("10\r\n"));

    ASSERT_TRUE(writeLines(path("c.txt"), {}));
    EXPECT_EQ(bytesOf(path("c.txt")), QByteArray());
    // Nothing is left beside the files written.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(TextFiles, ReadFirstFieldGivesTheRoomText)
{
    put(path("t.txt"), "  4  \r\n");
    EXPECT_EQ(readFirstField(path("t.txt")), QStringLiteral("4"));
    put(path("t.txt"), "3,5\r\n9\r\n");
    EXPECT_EQ(readFirstField(path("t.txt")), QStringLiteral("3"));
    put(path("t.txt"), "10");
    EXPECT_EQ(readFirstField(path("t.txt")), QStringLiteral("10"));
    put(path("t.txt"), "\xF5\r\n");
    EXPECT_EQ(readFirstField(path("t.txt")), QString::fromUtf8("ő"));
    put(path("t.txt"), "\r\n7\r\n");
    EXPECT_EQ(readFirstField(path("t.txt")), QString());
    put(path("t.txt"), "");
    EXPECT_EQ(readFirstField(path("t.txt")), QString());
    EXPECT_EQ(readFirstField(path("none.txt")), std::nullopt);
}

TEST_F(TextFiles, TruncateAndCopy)
{
    put(path("room.txt"), " 5\r\n17\r\n");
    ASSERT_TRUE(truncateFile(path("room.txt")));
    EXPECT_EQ(bytesOf(path("room.txt")), QByteArray());
    ASSERT_TRUE(truncateFile(path("new.txt")));
    EXPECT_EQ(bytesOf(path("new.txt")), QByteArray());

    const QByteArray odd("\x00\xFF 5\r\n17\n\r\x81", 11);
    put(path("from.txt"), odd);
    put(path("to.txt"), "old content that is longer than the copy\r\n");
    ASSERT_EQ(copyFile(path("from.txt"), path("to.txt")), CopyResult::Copied);
    EXPECT_EQ(bytesOf(path("to.txt")), odd);

    // A missing source changes nothing.
    EXPECT_EQ(copyFile(path("none.txt"), path("to.txt")), CopyResult::SourceMissing);
    EXPECT_EQ(bytesOf(path("to.txt")), odd);
}

TEST_F(TextFiles, AFailedWriteLeavesTheOldFileWhole)
{
    put(path("room.txt"), " 5\r\n17\r\n");
    put(path("from.txt"), "1\r\n");
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.active())
            GTEST_SKIP() << "this file system does not refuse writes";
        EXPECT_FALSE(writeLines(path("room.txt"), {QStringLiteral(" 0")}));
        EXPECT_FALSE(truncateFile(path("room.txt")));
        EXPECT_EQ(copyFile(path("from.txt"), path("room.txt")), CopyResult::TargetUnwritable);
        EXPECT_FALSE(writeLines(path("new.txt"), {QStringLiteral("1")}));
    }
    EXPECT_EQ(bytesOf(path("room.txt")), QByteArray(" 5\r\n17\r\n"));
    EXPECT_FALSE(QFile::exists(path("new.txt")));

    // A folder standing where the file should be is refused as well.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked.txt")));
    EXPECT_FALSE(writeLines(path("blocked.txt"), {QStringLiteral("1")}));
}

// A full device, or a size limit reached mid-write: the write fails, says
// so, and the old file stays whole. A write that stops before its rename
// leaves the old file whole as well.
TEST_F(TextFiles, AWriteThatCannotFinishKeepsTheOldFile)
{
    QByteArray forty;
    for (int i = 0; i < 40; ++i)
        forty += QByteArray::number(i % 37).rightJustified(2, ' ') + "\r\n";
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QString::number(i);
    for (const rlim_t limit : {rlim_t(0), rlim_t(10)}) {
        put(path("room.txt"), forty);
        put(path("from.txt"), forty + forty);
        {
            test::FileSizeLimit full(limit);
            EXPECT_FALSE(writeLines(path("room.txt"), lines)) << limit;
            EXPECT_EQ(copyFile(path("from.txt"), path("room.txt")), CopyResult::TargetUnwritable) << limit;
            SafeWriter writer(path("room.txt"));
            EXPECT_FALSE(writer.write(forty + forty) && writer.commit()) << limit;
        }
        EXPECT_EQ(bytesOf(path("room.txt")), forty) << limit;
    }
    {
        SafeWriter interrupted(path("room.txt"));
        ASSERT_TRUE(interrupted.write(QByteArray("1\r\n")));
    } // gone before commit
    EXPECT_EQ(bytesOf(path("room.txt")), forty);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no stray file left
}

// A write never goes through a link to anything but a regular file; a link
// to a regular file (a synced folder, say) is written through and stays.
TEST_F(TextFiles, WritesFollowLinksOnlyToRegularFiles)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), path("device.txt")));
    ASSERT_TRUE(QFile::link(path("nowhere.txt"), path("dangling.txt")));
    for (const char *name : {"device.txt", "dangling.txt"}) {
        EXPECT_FALSE(writeLines(path(name), {QStringLiteral("1")})) << name;
        EXPECT_FALSE(truncateFile(path(name))) << name;
        EXPECT_TRUE(QFileInfo(path(name)).isSymLink()) << name;
    }
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_FALSE(QFile::exists(path("nowhere.txt")));

    QTemporaryDir synced;
    const QString target = synced.filePath(QStringLiteral("rszamok3.txt"));
    put(target, " 1\r\n");
    ASSERT_TRUE(QFile::link(target, path("linked.txt")));
    ASSERT_TRUE(writeLines(path("linked.txt"), {QStringLiteral(" 7")}));
    EXPECT_TRUE(QFileInfo(path("linked.txt")).isSymLink());
    EXPECT_EQ(bytesOf(target), QByteArray(" 7\r\n"));

    // A FIFO in place of a file is never written or waited on.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.txt")).constData(), 0600), 0);
    EXPECT_FALSE(writeLines(path("fifo.txt"), {QStringLiteral("1")}));
    EXPECT_EQ(copyFile(path("fifo.txt"), path("copy.txt")), CopyResult::SourceUnreadable);
}

} // namespace
} // namespace vintaro
