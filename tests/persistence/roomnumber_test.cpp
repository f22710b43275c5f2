#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {
namespace {

// Whatever room text is accepted comes back whole from the room number
// file, so a list is never shown, or saved, under another room.
TEST(RoomNumberFile, AnAcceptedRoomComesBackFromTheRoomNumberFile)
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
