// Faults the random session and the fuzz targets led to, each shown by the
// steps that lose a spin. Disabled until fixed; see the comment on each.
#include <QDir>

#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

class FoundFaultsTest : public WindowTest
{
};

// FAULT: a save to another room makes the window forget what "  Start"
// loaded. Room 3 holds 1..10; "Utolsó " 4 leaves 7, 8, 9, 10 in the working
// list; the new run starts with them and enters 11. Saving to room 5 first
// (a copy) and then to room 3 must keep room 3's earlier spins 1..6 in
// front, since room 3's saved list still ends with the spins Start loaded.
// Instead Form1 keeps one SavedTail, which the save to room 5 replaced, so
// the save to room 3 asks "... Mentéskor ezek elvesznek." and, answered OK,
// writes 7..11 alone: spins 1..6 are gone (mainwindow/form1_files.cpp,
// saveRoom: m_savedTail = {room, spins}; persistence/roomsave.cpp planSave).
TEST_F(FoundFaultsTest, DISABLED_ASaveToAnotherRoomKeepsTheStartRoomsEarlierSpins)
{
    put(QStringLiteral("rszamok3.txt"), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n");
    setRoomBox(QStringLiteral("3"));
    platform->textAnswers = {QStringLiteral("4")};
    trigger(QStringLiteral("utolso"));
    ASSERT_EQ(platform->exits, 1);
    ASSERT_EQ(bytes(QStringLiteral("rszamok.txt")), QByteArray("7\r\n8\r\n9\r\n10\r\n"));

    recreateWindow();
    trigger(QStringLiteral("indit"));
    enter({11});
    setRoomBox(QStringLiteral("5"));
    click(QStringLiteral("Command15"));
    EXPECT_EQ(bytes(QStringLiteral("rszamok5.txt")), QByteArray(" 7\r\n 8\r\n 9\r\n10\r\n11\r\n"));

    setRoomBox(QStringLiteral("3"));
    click(QStringLiteral("Command15"));
    EXPECT_TRUE(platform->questions.empty()) << platform->questions.front().toStdString();
    EXPECT_EQ(bytes(QStringLiteral("rszamok3.txt")),
              QByteArray(" 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n 8\r\n 9\r\n10\r\n11\r\n"));
}

// FAULT (minor): a room operation that fails puts the room number file back
// from its lines, not its bytes. terem.txt holds a UTF-8 byte-order mark,
// "3" and LF (as another editor writes it), and the working list cannot be
// replaced (here a folder): "Terem 5." fails as it should, names the file
// and does not restart, but terem.txt is left as "3" CR LF, its mark gone; a
// first line past kLineLimit would be cut the same way. The room still reads
// "3", so no spin is misfiled (persistence/roomoperations.cpp, underRoom,
// which promises to leave every file as it found it).
TEST_F(FoundFaultsTest, DISABLED_AFailedRoomSwitchLeavesTheRoomNumberFileByteForByte)
{
    put(QStringLiteral("terem.txt"), "\xEF\xBB\xBF" "3\n");
    put(QStringLiteral("rszamok5.txt"), " 5\r\n");
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("rszamok.txt")));
    trigger(QStringLiteral("terem5"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->exits, 0);
    EXPECT_EQ(bytes(QStringLiteral("terem.txt")), QByteArray("\xEF\xBB\xBF" "3\n"));
}

} // namespace
} // namespace vintaro::test
