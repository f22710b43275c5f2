#pragma once
// Saving a room: which room texts are accepted, what a save keeps of the
// room's saved list, and writing the room's list file and the room number
// file.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "persistence/roomjournal.h"
#include "persistence/textfiles.h"

namespace vintaro {

// The room text: the room box text without leading and trailing blanks.
QString roomText(const QString &roomBox);

// Whether a room text stays a plain file name inside the program folder and
// comes back whole from the room number file (no "/", "\", "..", comma,
// control character, or character that the room number file cannot hold).
bool roomTextSafe(const QString &room);

// Whether the room box names a room a list may be saved for: its numeric
// value (leading number, blanks ignored) lies in 1..10, and its room text
// is safe. "07", "3.5" and " 4 " pass and name files of their own.
bool roomBoxAccepted(const QString &roomBox);

// One spin as a save writes it to a list: " 5", "17", then CR LF.
void appendSavedLine(QByteArray &bytes, int spin);

// What this run knows a room's saved list to end with: the spins Start
// loaded from the working list of that room, later the spins last saved to
// it. The history began as these spins.
struct SavedTail
{
    QString room;
    std::vector<std::int16_t> spins;
};

// What a save of `history` to `room` writes.
struct SavePlan
{
    ReadStatus status = ReadStatus::Ok; // of the room's saved list
    // Leading fields of the saved list kept in front of the history: the
    // spins before the known tail, which a narrowed Start left out.
    qint64 keptFields = 0;
    // The saved list holds spins that neither stay in front of the history
    // nor are in it: saving would drop them.
    bool dropsSavedSpins = false;
};
SavePlan planSave(const QString &folder, const QString &room, std::span<const std::int16_t> history,
                  const SavedTail &tail);

// Writes the room list file of `room` (the kept fields of its saved list,
// then the history) and the room number file with `room`, both or neither
// (through the room journal). The result names the file that could not be
// written and why; every file then keeps its old content (unless the fault
// says that a journal waits for the next start).
std::optional<FileFault> saveRoomFiles(const QString &folder, const QString &room, std::span<const std::int16_t> history,
                          const SavePlan &plan);

} // namespace vintaro
