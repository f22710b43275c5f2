// "Mentés": the room's list file and the room number file.
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "tests/support/readonlyfolder.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class SaveTest : public WindowTest
{
protected:
    void save() const { click(QStringLiteral("Command15")); }
    QStringList folderFiles() const { return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
    const QString kBadRoom = QString::fromUtf8("Hibás teremszám beállítás !");
};

TEST_F(SaveTest, WritesTheRoomListByteForByte)
{
    enter({5, 17, 0});
    setRoomBox(QStringLiteral("3"));
    save();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n17\r\n 0\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")).size(), 12);
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("3\r\n"));
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_FALSE(exitAsks());
    EXPECT_EQ(platform->exits, 1);

    // Saving again after an undo replaces the longer content.
    click(QStringLiteral("Command1"));
    EXPECT_TRUE(exitAsks());
    save();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n17\r\n"));
    save();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 5\r\n17\r\n"));
}

TEST_F(SaveTest, RoomTextsNameTheirFiles)
{
    enter({36});
    for (const char *room : {"10", " 4 ", "07", "3.5"}) {
        setRoomBox(QString::fromUtf8(room));
        save();
    }
    EXPECT_EQ(bytes(QStringLiteral("rszamok10.txt")), QByteArray("36\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok4.txt")), QByteArray("36\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok07.txt")), QByteArray("36\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.5.txt")), QByteArray("36\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("3.5\r\n"));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(SaveTest, BadRoomTextsAreRefusedAndWriteNothing)
{
    enter({5});
    // With this folder there, "3/z" and "3/../z" would name real places.
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("rszamok3")));
    const QStringList before = folderFiles();
    const QStringList rooms{QStringLiteral("11"), QStringLiteral("0"), QString(), QStringLiteral("../x"),
                            QStringLiteral("3/z"), QStringLiteral("3/../z"), QStringLiteral("3\\..\\z")};
    for (const QString &room : rooms) {
        setRoomBox(room);
        save();
    }
    ASSERT_EQ(platform->messages.size(), size_t(rooms.size()));
    for (const Shown &m : platform->messages) {
        EXPECT_EQ(m.text, kBadRoom);
        EXPECT_EQ(m.icon, Platform::Icon::Critical);
    }
    EXPECT_EQ(folderFiles(), before);
    EXPECT_TRUE(QDir(file(QStringLiteral("rszamok3"))).isEmpty());
    EXPECT_TRUE(exitAsks());
}

TEST_F(SaveTest, AnEmptyHistoryWritesNothingAndSaysNothing)
{
    const QStringList before = folderFiles();
    setRoomBox(QStringLiteral("11"));
    save();
    setRoomBox(QStringLiteral("3"));
    save();
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(folderFiles(), before);
}

TEST_F(SaveTest, AFolderThatCannotBeWrittenKeepsTheSpinsUnsaved)
{
    put(QStringLiteral("rszamok3.txt"), " 1\r\n 2\r\n");
    put(QStringLiteral("terem.txt"), "3\r\n");
    enter({5, 17});
    setRoomBox(QStringLiteral("3"));
    {
        ReadOnlyFolder readOnly(folder());
        if (!readOnly.active())
            GTEST_SKIP() << "this file system does not refuse writes";
        save();
    }
    ASSERT_EQ(platform->messages.size(), 1u);
    const Shown &m = platform->messages[0];
    EXPECT_EQ(m.icon, Platform::Icon::Critical);
    EXPECT_TRUE(m.text.contains(QDir::toNativeSeparators(file(QStringLiteral("rszamok3.txt"))))) << m.text.toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 1\r\n 2\r\n"));
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("3\r\n"));
    EXPECT_TRUE(exitAsks());

    // Once the folder can be written again the same click saves; spins
    // entered before Start continue the room's saved list.
    save();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")), QByteArray(" 1\r\n 2\r\n 5\r\n17\r\n"));
    EXPECT_FALSE(exitAsks());
}

} // namespace
} // namespace vintaro::test
