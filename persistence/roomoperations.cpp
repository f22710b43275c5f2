#include "persistence/roomoperations.h"

#include <functional>

#include "persistence/cp1250.h"
#include "persistence/narrowing.h"
#include "persistence/roomjournal.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {

namespace {

std::optional<FileFault> fault(FileFault::Kind kind, const QString &path) { return FileFault{kind, path, {}}; }

// Stages the working list through `fill`, then the room number file, and
// commits both at once.
std::optional<FileFault> underRoom(const QString &folder, const QString &room, const QString &operation,
                                   const std::function<std::optional<FileFault>(RoomJournal &)> &steps)
{
    RoomJournal journal(folder, operation + QLatin1Char(' ') + room);
    if (auto failed = steps(journal))
        return failed;
    const QString numberFile = roomNumberFile(folder);
    if (SafeWriter *number = journal.stage(numberFile))
        number->write(toCp1250(room) + "\r\n");
    return journal.commit();
}

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

} // namespace

std::optional<FileFault> restoreRoomFiles(const QString &folder, const QString &room)
{
    return underRoom(folder, room, QStringLiteral("restore"), [&](RoomJournal &journal) {
        const QString source = roomListFile(folder, room);
        const QString working = workingListFile(folder);
        SafeWriter *writer = journal.stage(working);
        if (!writer)
            return journal.commit();
        // A room never saved starts with an empty list, not the previous
        // room's: the staged working list simply stays empty.
        return copyFault(copyInto(source, *writer), source, working);
    });
}

std::optional<FileFault> deleteRoomFiles(const QString &folder, const QString &room)
{
    return underRoom(folder, room, QStringLiteral("delete"), [&](RoomJournal &journal) -> std::optional<FileFault> {
        for (const QString &path : {roomListFile(folder, room), workingListFile(folder)})
            if (!journal.stage(path))
                return journal.commit();
        return std::nullopt;
    });
}

std::optional<FileFault> narrowRoomFiles(const QString &folder, const QString &room, qint64 count, double n)
{
    return underRoom(folder, room, QStringLiteral("narrow"), [&](RoomJournal &journal) -> std::optional<FileFault> {
        const QString source = roomListFile(folder, room);
        const QString working = workingListFile(folder);
        SafeWriter *writer = journal.stage(working);
        if (!writer)
            return journal.commit();
        const CopyResult written = writeLastFields(source, count, n, *writer);
        if (written == CopyResult::SourceMissing)
            return fault(FileFault::Kind::Unreadable, source);
        return copyFault(written, source, working);
    });
}

} // namespace vintaro
