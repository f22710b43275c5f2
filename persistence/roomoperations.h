#pragma once
// The file steps of the room operations that end in a restart: switching
// to a room, the full restore, the full delete and the narrowing.
//
// Each one goes through the room journal (persistence/roomjournal.h): every
// file it changes gets its new content or keeps its old one, together, so
// that the working list and the room it is filed under never disagree, not
// even after a crash in the middle.
#include <QString>

#include <optional>

#include "persistence/roomjournal.h"

namespace vintaro {

// Room switch and full restore: the working list becomes a copy of the
// room's saved list, or an empty list when the room was never saved; the
// room number file names the room.
std::optional<FileFault> restoreRoomFiles(const QString &folder, const QString &room);

// Full delete: the room's saved list and the working list are emptied; the
// room number file names the room.
std::optional<FileFault> deleteRoomFiles(const QString &folder, const QString &room);

// Narrowing: the working list becomes the last n of the `count` fields of
// the room's saved list; the room number file names the room.
std::optional<FileFault> narrowRoomFiles(const QString &folder, const QString &room, qint64 count, double n);

} // namespace vintaro
