#include "persistence/roomimport.h"

#include <QFile>

#include "persistence/roomsave.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"

namespace vintaro {

namespace {

// Whether a file that exists ends without a line end.
bool endsOpen(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && last != '\n' && last != '\r';
}

} // namespace

std::optional<FileFault> importRoomFiles(const QString &folder, const QString &room,
                                         std::span<const std::uint8_t> spins, ImportMode mode)
{
    const QString list = roomListFile(folder, room);
    RoomJournal journal(folder, QStringLiteral("import ") + room);
    SafeWriter *writer = journal.stage(list);
    if (!writer)
        return journal.commit();
    if (mode == ImportMode::Append) {
        switch (copyInto(list, *writer)) {
        case CopyResult::Copied:
        case CopyResult::SourceMissing: break;
        case CopyResult::SourceUnreadable: return FileFault{FileFault::Kind::Unreadable, list, {}};
        case CopyResult::TargetUnwritable: return FileFault{FileFault::Kind::Unwritable, list, {}};
        }
        if (endsOpen(list))
            writer->write(QByteArrayLiteral("\r\n"));
    }
    QByteArray bytes;
    bytes.reserve(1 << 16);
    for (const std::uint8_t spin : spins) {
        appendSavedLine(bytes, spin);
        if (bytes.size() >= (1 << 16) - 8) {
            writer->write(bytes);
            bytes.clear();
        }
    }
    writer->write(bytes);
    return journal.commit();
}

} // namespace vintaro
