#pragma once
// A room operation changes several files of the lists folder (a room's saved
// list, the working list, the room number file) and must happen whole or not
// at all, even when the program is killed in the middle, the power fails or
// one step fails:
//
// 1. every file's new content is written beside it, complete and on disk,
//    as ".<name>.vintaro-new", and every file that exists is kept, as
//    ".<name>.vintaro-old" (a second link to it, or a copy);
// 2. the journal ".vintaro-journal" is written at once, naming the operation
//    and every file with its new content ("replace rszamok.txt" /
//    "with .rszamok.txt.vintaro-new"): from here on the operation counts as
//    done;
// 3. each new content replaces its file;
// 4. the journal is removed, then the kept old files.
//
// When a replacement fails in step 3, the operation is rolled back: every
// file already replaced gets its kept old content again, and the journal
// goes. Only when the rollback fails too does the journal stay, and the
// next start finishes the operation.
//
// At start-up a journal left behind is finished, new and kept contents
// that no journal names are dropped (so the working list and the room
// number file always belong to the same room), and so are the temporary
// files of writes a kill cut short. A running program never
// finishes a journal it finds: it refuses to change the files until the
// next start has finished it. A journal names only the room files of its
// own folder, never through a link; one that names anything else is
// damaged and never acted on.
// The files keep their formats: only the way they are replaced changes.
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

#include "persistence/textfiles.h"

namespace vintaro {

// Why a room operation changed no file (or, for JournalPending, why the
// files wait for the next start).
struct FileFault
{
    enum class Kind {
        Unreadable,     // a file to copy from cannot be read
        Unwritable,     // the file cannot be replaced; every file kept its old content
        Link,           // a link stands in place of the file: nothing is written through it
        JournalDamaged, // the journal is damaged or names files it may not touch: nothing was done
        JournalPending, // an operation's journal waits: the next start finishes it
    };
    Kind kind = Kind::Unwritable;
    QString path;
    QString failed; // JournalPending: the file whose replacement failed, when known

    bool operator==(const FileFault &) const = default;
};

// The journal of the lists folder: ".vintaro-journal".
QString journalFile(const QString &folder);
// Where a damaged journal is set aside: ".vintaro-journal.damaged".
QString damagedJournalFile(const QString &folder);

// The room files of a folder a journal may name, as the targets it replaces:
// the absolute paths of the files it names, in order; nothing when the
// journal is not whole, names a file outside this list, a path outside its
// folder, or a new content that is not the file's own.
struct ParsedJournal
{
    QString operation;
    QStringList targets;
    bool keepsOld = false; // written by a program that keeps the old files
};
std::optional<ParsedJournal> parseJournal(const QString &folder, const QByteArray &bytes);
// Whether a file name is one of the room files: "rszamok.txt", "terem.txt"
// or "rszamok<room>.txt" for a room text a room operation may use.
bool roomFileName(const QString &name);

class RoomJournal
{
public:
    // Refuses to go on (every later step fails) when a journal lies in the
    // folder: a damaged one, or one that waits for the next start.
    RoomJournal(const QString &folder, const QString &operation);
    ~RoomJournal(); // drops the new and kept contents of an operation never committed
    RoomJournal(const RoomJournal &) = delete;
    RoomJournal &operator=(const RoomJournal &) = delete;

    // The writer of the new content of `target`; the same writer when the
    // target was staged before. Nothing when the target must not be replaced
    // (a link, a folder, a device, a read-only file): the commit then fails.
    SafeWriter *stage(const QString &target);

    // Steps 1 to 4. Nothing on success; otherwise why not: every file then
    // holds its old content, except for JournalPending.
    std::optional<FileFault> commit();

private:
    struct Entry
    {
        QString target; // the file replaced
        QString staged; // its new content
        std::unique_ptr<SafeWriter> writer;
    };
    void dropKept();
    QString m_folder;
    QString m_operation;
    std::vector<Entry> m_entries;
    std::optional<FileFault> m_failed;
    bool m_committed = false;
};

// What start-up found in the lists folder.
struct Recovery
{
    enum class Kind {
        Nothing,
        Finished, // a journal left behind was finished
        Dropped,  // new contents that no journal names were dropped
        Failed,   // the journal could not be finished: it stays, `failedPath` could not be replaced
        Damaged,  // the journal is damaged or names files it may not touch: nothing was done
    };
    Kind kind = Kind::Nothing;
    QString operation;  // the operation a journal named
    QString failedPath; // Failed: the file that could not be replaced; Damaged: the journal
    int temporariesRemoved = 0; // temporary files a killed run left, removed
};
Recovery recoverRoomFiles(const QString &folder);

// Moves a damaged journal aside to damagedJournalFile() (replacing an
// earlier one there), so that the files can be changed again.
bool setAsideDamagedJournal(const QString &folder);

} // namespace vintaro
