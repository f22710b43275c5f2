#pragma once
// A room operation changes several files of the lists folder (a room's saved
// list, the working list, the room number file) and must happen whole or not
// at all, even when the program is killed in the middle or the power fails:
//
// 1. every file's new content is written beside it, complete and on disk,
//    as ".<name>.vintaro-new";
// 2. the journal ".vintaro-journal" is written at once, naming the operation
//    and every file with its new content ("replace rszamok.txt" /
//    "with .rszamok.txt.vintaro-new"): from here on the operation counts as
//    done;
// 3. each new content replaces its file;
// 4. the journal is removed.
//
// At start-up (and before the next operation) a journal left behind is
// finished, and new contents that no journal names are dropped, so the
// working list and the room number file always belong to the same room.
// The files keep their formats: only the way they are replaced changes.
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

#include "persistence/textfiles.h"

namespace vintaro {

// The journal of the lists folder: ".vintaro-journal".
QString journalFile(const QString &folder);

class RoomJournal
{
public:
    // Finishes any operation an earlier run left half done; when that fails,
    // this operation fails too (and names the file that could not be replaced).
    RoomJournal(const QString &folder, const QString &operation);
    ~RoomJournal(); // drops the new contents of an operation never committed
    RoomJournal(const RoomJournal &) = delete;
    RoomJournal &operator=(const RoomJournal &) = delete;

    // The writer of the new content of `target`; the same writer when the
    // target was staged before. Nothing when the target must not be replaced
    // (a folder, a device, a read-only file): the commit then fails.
    SafeWriter *stage(const QString &target);

    // Steps 2 to 4. Nothing on success; otherwise the file that failed. A
    // failure before the journal is written changes no file.
    std::optional<QString> commit();

private:
    struct Entry
    {
        QString target; // the file replaced (a link's own target)
        QString staged; // its new content
        std::unique_ptr<SafeWriter> writer;
    };
    QString m_folder;
    QString m_operation;
    std::vector<Entry> m_entries;
    std::optional<QString> m_failed;
    bool m_committed = false;
};

// What start-up found in the lists folder.
struct Recovery
{
    enum class Kind { Nothing, Finished, Dropped, Failed };
    Kind kind = Kind::Nothing;
    QString operation;  // the operation a journal named
    QString failedPath; // Failed: the file that could not be replaced (or the journal)
};
Recovery recoverRoomFiles(const QString &folder);

} // namespace vintaro
