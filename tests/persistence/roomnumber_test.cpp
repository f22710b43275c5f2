#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {
namespace {

// FAULT, found by tests/fuzz/fuzz_roomtext: a room box "3,5" is accepted
// (its value is 3), "Mentés" saves to rszamok3,5.txt and writes "3,5" into
// terem.txt; but the room number file is read as a field, which ends at the
// comma, so the next "  Start" puts "3" into the room box. The list loaded
// (e.g. after "Teljes" with "3,5") is then shown, and saved, under room 3.
// Either the room text must not hold a comma, or it must come back whole.
TEST(RoomNumberFile, DISABLED_AnAcceptedRoomComesBackFromTheRoomNumberFile)
{
    QTemporaryDir dir;
    const QString numberFile = roomNumberFile(dir.path());
    for (const char *box : {"3", " 10 ", "07", "3.5", "3,5", "4,x", "2 , 1"}) {
        const QString room = roomText(QString::fromUtf8(box));
        if (!roomBoxAccepted(QString::fromUtf8(box)))
            continue;
        ASSERT_TRUE(writeLines(numberFile, {room}));
        EXPECT_EQ(readFirstField(numberFile), room) << box;
    }
}

} // namespace
} // namespace vintaro
