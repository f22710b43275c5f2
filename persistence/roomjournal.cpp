#include "persistence/roomjournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/roomsave.h"

namespace vintaro {

namespace {

// Version 2 keeps the old files, so that a failed replacement can be undone.
const char kHeader[] = "vintaro room operation 2";
const char kHeaderWithoutOld[] = "vintaro room operation 1";
const QString kStagedSuffix = QStringLiteral(".vintaro-new");
const QString kKeptSuffix = QStringLiteral(".vintaro-old");

QByteArray encoded(const QString &path) { return QFile::encodeName(path); }

// Beside the file, hidden: where its new content waits, and where its old
// content is kept until the operation is over.
QString besidePath(const QString &target, const QString &suffix)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + suffix;
}
QString stagedPath(const QString &target) { return besidePath(target, kStagedSuffix); }
QString keptPath(const QString &target) { return besidePath(target, kKeptSuffix); }

// The name itself, never what a link points to.
bool existsAtAll(const QString &path)
{
    struct stat st;
    return ::lstat(encoded(path).constData(), &st) == 0;
}
bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(encoded(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}
bool isPlainFile(const QString &path)
{
    struct stat st;
    return ::lstat(encoded(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool renamed(const QString &from, const QString &to)
{
    return std::rename(encoded(from).constData(), encoded(to).constData()) == 0;
}

// Step 1 for the old content: a second link to the file where the file
// system has them and the file is this user's own, a copy otherwise (a
// folder with the sticky bit lets a user remove only their own files).
bool keepOld(const QString &target)
{
    const QString kept = keptPath(target);
    QFile::remove(kept);
    struct stat st;
    const bool own = ::lstat(encoded(target).constData(), &st) == 0 && st.st_uid == ::geteuid();
    return (own && ::link(encoded(target).constData(), encoded(kept).constData()) == 0) ||
           copyFile(target, kept) == CopyResult::Copied;
}

// New and kept contents that no journal names: an operation that never got
// as far as its journal, or one that was over.
bool dropOrphans(const QString &folder)
{
    bool dropped = false;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*") + kStagedSuffix, QStringLiteral(".*") + kKeptSuffix},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        dropped = QFile::remove(dir.filePath(name)) || dropped;
    return dropped;
}

// The temporary files this program makes in the lists folder where the
// file system has no unnamed files (FAT, NFS, SMB), which a kill leaves
// behind: the folder's write probe, and the writes of the journal, the new
// and the kept contents, each with Qt's six random characters. Only the
// program that holds the folder's lock calls this, so none is in use.
int removeLeftoverTemporaries(const QString &folder)
{
    static const QRegularExpression own(
        QStringLiteral("^\\.(vintaro-|vintaro-journal\\.|.+\\.vintaro-(new|old)\\.)[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System))
        if (own.match(name).hasMatch() && isPlainFile(dir.filePath(name)) && QFile::remove(dir.filePath(name)))
            ++removed;
    return removed;
}

// Step 3 and 4: every new content that is still waiting replaces its file
// (one already moved is done), then the journal goes. Running it again after
// an interruption does no harm. Nothing, or the file that could not be
// replaced.
std::optional<QString> finish(const QString &folder, const QStringList &targets)
{
    for (const QString &target : targets) {
        const QString staged = stagedPath(target);
        if (existsAtAll(staged) && !renamed(staged, target))
            return target;
    }
    syncFolder(folder);
    // Every file holds its new content; a journal that cannot be removed is
    // finished again, harmlessly, at the next start.
    QFile::remove(journalFile(folder));
    syncFolder(folder);
    dropOrphans(folder);
    return std::nullopt;
}

// Undoes step 3: every file already replaced gives its new content back to
// where it waited and gets its kept old content again (a file that did not
// exist goes again). Interrupted at any point, the journal still finishes
// the operation at the next start. False when a step failed: the journal
// then stays.
bool rollBack(const QString &folder, const QStringList &targets)
{
    for (const QString &target : targets) {
        const QString staged = stagedPath(target);
        if (existsAtAll(staged))
            continue; // never replaced
        if (!renamed(target, staged))
            return false;
        const QString kept = keptPath(target);
        if (existsAtAll(kept) && !renamed(kept, target))
            return false;
    }
    syncFolder(folder);
    QFile::remove(journalFile(folder));
    syncFolder(folder);
    dropOrphans(folder);
    return true;
}

} // namespace

bool roomFileName(const QString &name)
{
    if (name == QLatin1String("rszamok.txt") || name == QLatin1String("terem.txt"))
        return true;
    if (!name.startsWith(QLatin1String("rszamok")) || !name.endsWith(QLatin1String(".txt")))
        return false;
    const QString room = name.mid(7, name.size() - 11);
    return room == roomText(room) && roomTextSafe(room);
}

std::optional<ParsedJournal> parseJournal(const QString &folder, const QByteArray &bytes)
{
    // header, operation, a "replace" and a "with" line per file, "end", and
    // the empty text after the last line end
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (lines.size() < 6 || lines.size() % 2 != 0 || lines.back() != QString() ||
        lines.at(lines.size() - 2) != QLatin1String("end") || !lines.at(1).startsWith(QLatin1String("operation ")))
        return std::nullopt;
    ParsedJournal parsed;
    if (lines.front() == QLatin1String(kHeader))
        parsed.keepsOld = true;
    else if (lines.front() != QLatin1String(kHeaderWithoutOld))
        return std::nullopt;
    parsed.operation = lines.at(1).mid(10);
    const QString base = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    std::set<QString> names;
    for (qsizetype i = 2; i + 1 < lines.size() - 2; i += 2) {
        const QString &replace = lines.at(i);
        const QString &with = lines.at(i + 1);
        if (!replace.startsWith(QLatin1String("replace ")) || !with.startsWith(QLatin1String("with ")))
            return std::nullopt;
        // A room file of this folder by its plain name, with its own new
        // content beside it; nothing else, and no file twice.
        const QString name = replace.mid(8);
        if (!roomFileName(name) || with.mid(5) != QLatin1Char('.') + name + kStagedSuffix || !names.insert(name).second)
            return std::nullopt;
        parsed.targets << base + QLatin1Char('/') + name;
    }
    return parsed;
}

QString journalFile(const QString &folder) { return folder + QStringLiteral("/.vintaro-journal"); }

QString damagedJournalFile(const QString &folder) { return journalFile(folder) + QStringLiteral(".damaged"); }

RoomJournal::RoomJournal(const QString &folder, const QString &operation)
    : m_folder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())), m_operation(operation)
{
    // A journal found here is finished only at start-up, never behind the
    // player's back in the middle of another operation.
    const QString journal = journalFile(m_folder);
    if (existsAtAll(journal)) {
        const std::optional<QByteArray> bytes = isPlainFile(journal) ? readSmallFile(journal, 1 << 20) : std::nullopt;
        const bool whole = bytes && parseJournal(m_folder, *bytes);
        m_failed = FileFault{whole ? FileFault::Kind::JournalPending : FileFault::Kind::JournalDamaged, journal, {}};
        return;
    }
    dropOrphans(m_folder);
}

RoomJournal::~RoomJournal()
{
    if (m_committed)
        return;
    for (Entry &entry : m_entries) {
        entry.writer.reset();
        QFile::remove(entry.staged);
    }
    dropKept();
}

void RoomJournal::dropKept()
{
    for (const Entry &entry : m_entries)
        QFile::remove(keptPath(entry.target));
}

SafeWriter *RoomJournal::stage(const QString &target)
{
    if (m_failed)
        return nullptr;
    const QString absolute = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    for (Entry &entry : m_entries)
        if (entry.target == absolute)
            return entry.writer.get();
    // A link is never written through, nor replaced by a file: its target
    // would keep the old list while the folder holds the new one.
    if (isLink(absolute)) {
        m_failed = FileFault{FileFault::Kind::Link, target, {}};
        return nullptr;
    }
    if (replaceableTarget(absolute) != absolute || !roomFileName(QFileInfo(absolute).fileName()) ||
        QFileInfo(absolute).path() != m_folder) {
        m_failed = FileFault{FileFault::Kind::Unwritable, target, {}};
        return nullptr;
    }
    Entry entry;
    entry.target = absolute;
    entry.staged = stagedPath(absolute);
    entry.writer = std::make_unique<SafeWriter>(entry.staged);
    m_entries.push_back(std::move(entry));
    return m_entries.back().writer.get();
}

std::optional<FileFault> RoomJournal::commit()
{
    if (m_failed)
        return m_failed;
    if (m_entries.empty())
        return std::nullopt;
    const auto fail = [this](const QString &path) { return m_failed = FileFault{FileFault::Kind::Unwritable, path, {}}; };
    QByteArray journal = QByteArray(kHeader) + "\noperation " + m_operation.toUtf8() + '\n';
    QStringList targets;
    for (Entry &entry : m_entries) {
        if (!entry.writer->commit())
            return fail(entry.target);
        const bool exists = existsAtAll(entry.target);
        // The new file keeps the permissions of the one it replaces.
        if (exists)
            QFile::setPermissions(entry.staged, QFile::permissions(entry.target));
        if (exists && !keepOld(entry.target))
            return fail(entry.target);
        const QString name = QFileInfo(entry.target).fileName();
        journal += "replace " + name.toUtf8() + "\nwith ." + name.toUtf8() + kStagedSuffix.toUtf8() + '\n';
        targets << entry.target;
    }
    journal += "end\n";
    syncFolder(m_folder);
    if (!writeBytes(journalFile(m_folder), journal))
        return fail(journalFile(m_folder));
    m_committed = true;
    const std::optional<QString> failed = finish(m_folder, targets);
    if (!failed)
        return std::nullopt;
    if (rollBack(m_folder, targets))
        return FileFault{FileFault::Kind::Unwritable, *failed, {}};
    return FileFault{FileFault::Kind::JournalPending, journalFile(m_folder), *failed};
}

Recovery recoverRoomFiles(const QString &folder)
{
    Recovery recovery;
    const QString journal = journalFile(folder);
    recovery.temporariesRemoved = removeLeftoverTemporaries(folder);
    if (!existsAtAll(journal)) {
        if (dropOrphans(folder))
            recovery.kind = Recovery::Kind::Dropped;
        return recovery;
    }
    const std::optional<QByteArray> bytes = isPlainFile(journal) ? readSmallFile(journal, 1 << 20) : std::nullopt;
    std::optional<ParsedJournal> parsed = bytes ? parseJournal(folder, *bytes) : std::nullopt;
    // Every new content must be a file of its own in the folder, never a
    // link that would put a file from elsewhere in place of a room file.
    if (parsed)
        for (const QString &target : parsed->targets)
            if (existsAtAll(stagedPath(target)) && !isPlainFile(stagedPath(target)))
                parsed.reset();
    if (!parsed) {
        // The journal is written at once, so a broken one was never ours to
        // finish: it names nothing that can be trusted.
        recovery.kind = Recovery::Kind::Damaged;
        recovery.failedPath = journal;
        return recovery;
    }
    recovery.operation = parsed->operation;
    // The journal says the operation is done: it goes forward. When a file
    // cannot be replaced, the journal stays with the new contents, and a
    // later start finishes it.
    if (const auto failed = finish(folder, parsed->targets)) {
        recovery.kind = Recovery::Kind::Failed;
        recovery.failedPath = *failed;
        return recovery;
    }
    recovery.kind = Recovery::Kind::Finished;
    return recovery;
}

bool setAsideDamagedJournal(const QString &folder)
{
    const bool moved = renamed(journalFile(folder), damagedJournalFile(folder));
    syncFolder(folder);
    return moved;
}

} // namespace vintaro
