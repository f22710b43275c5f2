#pragma once
// Spin-list and room files of the program folder: their names, reading a
// spin list back, and the lines a saved list is made of.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/spinhistory.h"
#include "persistence/textfiles.h"

namespace vintaro {

// "terem.txt": the room the working list belongs to.
QString roomNumberFile(const QString &folder);
// "rszamok.txt": the list that Start loads.
QString workingListFile(const QString &folder);
// "rszamok" + room + ".txt": the saved list of a room.
QString roomListFile(const QString &folder, const QString &room);

// A field's value as a spin: its leading number (blanks ignored), rounded to
// the nearest integer with a half going to the even neighbour. Nothing when
// the field holds no number; the range is not checked here.
std::optional<int> fieldValue(std::string_view field);

// The spin Start reads from a field of a spin list: its value when that is
// a number 0-36, otherwise (and for a line cut at kLineLimit) -1.
int fieldSpin(std::string_view field, bool cut);

// A spin list as read back from a file.
struct SpinList
{
    std::vector<std::int16_t> spins; // oldest first, at most SpinHistory::kCapacity
    qint64 skipped = 0;              // fields that give no number 0-36
    qint64 firstSkippedLine = 0;     // 1-based line of the first of them, 0 when none
    qint64 leftOut = 0;              // oldest valid spins beyond the capacity
    ReadStatus status = ReadStatus::Ok; // a missing or unreadable file holds no spins
};

// Reads every field of the content; a field that gives no number 0-36 is
// skipped and counted; of a longer list the newest kCapacity spins are kept.
SpinList parseSpinList(std::string_view content);
// Read a spin list as a stream: however long the file, only the newest
// kCapacity spins are kept in memory.
SpinList readSpinList(const QString &path);

} // namespace vintaro
