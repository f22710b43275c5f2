#pragma once
// Saving a room: which room texts are accepted, and writing the room's list
// file and the room number file.
#include <QString>
#include <QStringList>

#include "core/spinhistory.h"

namespace vintaro {

// The room text: the room box text without leading and trailing blanks.
QString roomText(const QString &roomBox);

// Whether a room text stays a plain file name inside the program folder (no
// "/", "\", "..", control character, or character that the room number file
// cannot hold).
bool roomTextSafe(const QString &room);

// Whether the room box names a room a list may be saved for: its numeric
// value (leading number, blanks ignored) lies in 1..10, and its room text
// stays a plain file name inside the program folder (no "/", "\", "..",
// control character, or character that the room number file cannot hold).
// "07", "3.5" and " 4 " pass and name files of their own.
bool roomBoxAccepted(const QString &roomBox);

// Writes the room list file of `room` from the history, then the room number
// file with `room`. Both are attempted; the result names every file that
// could not be written (each of those keeps its old content).
QStringList saveRoomFiles(const QString &folder, const QString &room, const SpinHistory &history);

} // namespace vintaro
