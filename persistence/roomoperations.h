#pragma once
// The file steps of the room operations that end in a restart: switching
// to a room, the full restore, the full delete and the narrowing.
//
// The room number file is written first and put back as it was when a later
// step fails, so that the working list and the room it is filed under never
// disagree: a failed operation leaves every file as it found it, but for
// the saved list a full delete was asked to empty.
#include <QString>

#include <optional>

namespace vintaro {

struct FileFault
{
    enum class Kind { Unreadable, Unwritable };
    Kind kind = Kind::Unwritable;
    QString path;
};

// Room switch and full restore: the working list becomes a copy of the
// room's saved list, or an empty list when the room was never saved; then
// the room number file names the room.
std::optional<FileFault> restoreRoomFiles(const QString &folder, const QString &room);

// Full delete: the room's saved list and the working list are emptied; the
// room number file names the room.
std::optional<FileFault> deleteRoomFiles(const QString &folder, const QString &room);

// Narrowing: the working list becomes the last n of the `count` fields of
// the room's saved list; the room number file names the room.
std::optional<FileFault> narrowRoomFiles(const QString &folder, const QString &room, qint64 count, double n);

} // namespace vintaro
