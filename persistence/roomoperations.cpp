#include "persistence/roomoperations.h"

#include <QFile>

#include <functional>

#include "persistence/narrowing.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {

namespace {

std::optional<FileFault> fault(FileFault::Kind kind, const QString &path) { return FileFault{kind, path}; }

std::optional<FileFault> copyFault(CopyResult result, const QString &from, const QString &to)
{
    switch (result) {
    case CopyResult::Copied:
    case CopyResult::SourceMissing: return std::nullopt;
    case CopyResult::SourceUnreadable: return fault(FileFault::Kind::Unreadable, from);
    case CopyResult::TargetUnwritable: return fault(FileFault::Kind::Unwritable, to);
    }
    return std::nullopt;
}

// Writes the room number file, runs the other steps, and puts the room
// number file back when one of them fails.
std::optional<FileFault> underRoom(const QString &folder, const QString &room,
                                   const std::function<std::optional<FileFault>()> &steps)
{
    const QString numberFile = roomNumberFile(folder);
    ReadStatus status = ReadStatus::Ok;
    const std::optional<QByteArray> before = readSmallFile(numberFile, 1 << 20, &status);
    if (!writeLines(numberFile, {room}))
        return fault(FileFault::Kind::Unwritable, numberFile);
    auto failed = steps();
    if (failed) {
        if (before)
            writeBytes(numberFile, *before);
        else if (status == ReadStatus::Missing)
            QFile::remove(numberFile);
    }
    return failed;
}

} // namespace

std::optional<FileFault> restoreRoomFiles(const QString &folder, const QString &room)
{
    return underRoom(folder, room, [&]() -> std::optional<FileFault> {
        const QString source = roomListFile(folder, room);
        const QString working = workingListFile(folder);
        const CopyResult copied = copyFile(source, working);
        // A room never saved starts with an empty list, not the previous room's.
        if (copied == CopyResult::SourceMissing && !truncateFile(working))
            return fault(FileFault::Kind::Unwritable, working);
        return copyFault(copied, source, working);
    });
}

std::optional<FileFault> deleteRoomFiles(const QString &folder, const QString &room)
{
    return underRoom(folder, room, [&]() -> std::optional<FileFault> {
        for (const QString &path : {roomListFile(folder, room), workingListFile(folder)})
            if (!truncateFile(path))
                return fault(FileFault::Kind::Unwritable, path);
        return std::nullopt;
    });
}

std::optional<FileFault> narrowRoomFiles(const QString &folder, const QString &room, qint64 count, double n)
{
    return underRoom(folder, room, [&]() -> std::optional<FileFault> {
        const QString source = roomListFile(folder, room);
        const QString working = workingListFile(folder);
        const CopyResult written = writeLastFields(source, count, n, working);
        if (written == CopyResult::SourceMissing)
            return fault(FileFault::Kind::Unreadable, source);
        return copyFault(written, source, working);
    });
}

} // namespace vintaro
