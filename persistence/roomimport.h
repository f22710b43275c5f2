#pragma once
// Spins brought from elsewhere go into a room's saved list like every room
// operation's files, through the room journal (persistence/roomjournal.h):
// the list gets its new content whole or keeps its old one, even when the
// program is killed in the middle. The working list and the room number
// file stay as they are; switching to the room loads the list.
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

#include "persistence/roomjournal.h"

namespace vintaro {

enum class ImportMode {
    Append,  // the spins follow the room's saved list
    Replace, // the spins take the saved list's place
};

// Writes `spins` (oldest first) to the saved list of `room` as a save writes
// spins (" 5", "17"). Appending keeps every byte of the saved list, and ends
// its last line first when it has no line end.
std::optional<FileFault> importRoomFiles(const QString &folder, const QString &room,
                                         std::span<const std::uint8_t> spins, ImportMode mode);

} // namespace vintaro
