#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "../support/readonlyfolder.h"
#include "persistence/textfiles.h"

namespace vintaro {
namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

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

} // namespace
} // namespace vintaro
