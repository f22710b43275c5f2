#pragma once
// The room files of a lists folder in tests: spin lists as a save writes
// them, the folder's room files as a snapshot, and the five room operations
// as the window runs them, and the import into a room.
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "persistence/roomimport.h"
#include "persistence/roomoperations.h"
#include "persistence/roomsave.h"
#include "tests/support/files.h"

namespace vintaro::test {

// A spin list as a save writes it: " 5", "17".
inline QByteArray savedList(const std::vector<int> &spins)
{
    QByteArray out;
    for (const int spin : spins)
        out += (spin < 10 ? " " : "") + QByteArray::number(spin) + "\r\n";
    return out;
}

inline std::vector<int> series(int count, int step, int offset)
{
    std::vector<int> spins;
    for (int k = 0; k < count; ++k)
        spins.push_back((step * k + offset) % 37);
    return spins;
}

// The lists, the room number file, the journal, the new and the kept contents.
inline bool trackedName(const QString &name)
{
    return name == QLatin1String("terem.txt") || name == QLatin1String(".vintaro-journal") ||
           name.endsWith(QLatin1String(".vintaro-new")) || name.endsWith(QLatin1String(".vintaro-old")) ||
           (name.startsWith(QLatin1String("rszamok")) && name.endsWith(QLatin1String(".txt"))) ||
           (name.startsWith(QLatin1String("naplo")) && name.endsWith(QLatin1String(".csv")));
}

// Those files of a folder with their bytes; `others` counts the rest.
inline std::map<QString, QByteArray> snapshot(const QString &folder, int *others = nullptr)
{
    std::map<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (trackedName(name))
            files[name] = bytesOf(dir.filePath(name));
        else if (others)
            ++*others;
    }
    return files;
}

inline void restoreSnapshot(const QString &folder, const std::map<QString, QByteArray> &files)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
    for (const auto &[name, bytes] : files)
        ASSERT_TRUE(putBytes(dir.filePath(name), bytes));
}

// One room operation as the window runs it: what it reports.
struct RoomOperation
{
    const char *name;
    std::function<std::optional<FileFault>(const QString &folder)> run;
};

// The five operations from room 5 to room 3: "Terem 3.", "Teljes" (of room
// 5), "Teljes törlés", "Utolsó " (1500 of 4000 fields) and "Mentés" of
// `history` to room 3; then `history` imported into room 3, appended and
// replacing its list.
inline std::vector<RoomOperation> roomOperations(const std::vector<std::int16_t> &history)
{
    const QString three = QStringLiteral("3"), five = QStringLiteral("5");
    const std::vector<std::uint8_t> imported(history.begin(), history.end());
    return {
        {"Terem 3.", [=](const QString &f) { return restoreRoomFiles(f, three); }},
        {"Teljes", [=](const QString &f) { return restoreRoomFiles(f, five); }},
        {"Teljes törlés", [=](const QString &f) { return deleteRoomFiles(f, three); }},
        {"Utolsó ", [=](const QString &f) { return narrowRoomFiles(f, three, 4000, 1500); }},
        {"Mentés", [=](const QString &f) { return saveRoomFiles(f, three, history, SavePlan{}); }},
        {"Előzmény hozzáfűzése", [=](const QString &f) { return importRoomFiles(f, three, imported, ImportMode::Append); }},
        {"Előzmény a lista helyére",
         [=](const QString &f) { return importRoomFiles(f, three, imported, ImportMode::Replace); }},
    };
}

// Room 5 is current, its list narrowed to its last 300 spins; room 3 holds
// 4000 spins. False when a file could not be written.
inline bool putRoomsFiveAndThree(const QString &folder)
{
    const std::vector<int> room5 = series(3000, 11, 4);
    QByteArray narrowed;
    for (size_t k = room5.size() - 300; k < room5.size(); ++k)
        narrowed += QByteArray::number(room5[k]) + "\r\n";
    const QDir dir(folder);
    return putBytes(dir.filePath(QStringLiteral("rszamok5.txt")), savedList(room5)) &&
           putBytes(dir.filePath(QStringLiteral("rszamok3.txt")), savedList(series(4000, 5, 1))) &&
           putBytes(dir.filePath(QStringLiteral("rszamok.txt")), narrowed) &&
           putBytes(dir.filePath(QStringLiteral("terem.txt")), "5\r\n");
}

inline std::vector<std::int16_t> historyOf(const std::vector<int> &spins)
{
    return {spins.begin(), spins.end()};
}

} // namespace vintaro::test
