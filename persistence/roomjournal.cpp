#include "persistence/roomjournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <set>

namespace vintaro {

namespace {

const char kHeader[] = "vintaro room operation 1";
const QString kStagedSuffix = QStringLiteral(".vintaro-new");

QString cleanAbsolute(const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// Where the new content of a file waits: beside it, hidden.
QString stagedPath(const QString &target)
{
    const QFileInfo info(target);
    return info.path() + QStringLiteral("/.") + info.fileName() + kStagedSuffix;
}

bool existsAtAll(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Step 3 and 4: every new content that is still waiting replaces its file
// (one already moved is done), then the journal goes. Running it again after
// an interruption does no harm.
std::optional<QString> finish(const QString &folder, const QStringList &targets)
{
    std::set<QString> folders{folder};
    for (const QString &target : targets) {
        const QString staged = stagedPath(target);
        folders.insert(QFileInfo(target).path());
        if (!existsAtAll(staged))
            continue;
        if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0)
            return target;
    }
    for (const QString &f : folders)
        syncFolder(f);
    // Every file holds its new content; a journal that cannot be removed is
    // finished again, harmlessly, at the next start.
    QFile::remove(journalFile(folder));
    syncFolder(folder);
    return std::nullopt;
}

// New contents that no journal names: an operation that never got as far
// as its journal, so its files were never touched.
bool dropOrphans(const QString &folder)
{
    bool dropped = false;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*") + kStagedSuffix},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names)
        dropped = QFile::remove(dir.filePath(name)) || dropped;
    return dropped;
}

struct ParsedJournal
{
    QString operation;
    QStringList targets;
};

std::optional<ParsedJournal> parseJournal(const QString &folder, const QByteArray &bytes)
{
    // header, operation, a "replace" and a "with" line per file, "end", and
    // the empty text after the last line end
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (lines.size() < 6 || lines.size() % 2 != 0 || lines.front() != QLatin1String(kHeader) ||
        lines.back() != QString() || lines.at(lines.size() - 2) != QLatin1String("end") ||
        !lines.at(1).startsWith(QLatin1String("operation ")))
        return std::nullopt;
    ParsedJournal parsed;
    parsed.operation = lines.at(1).mid(10);
    const QDir dir(folder);
    for (qsizetype i = 2; i + 1 < lines.size() - 2; i += 2) {
        const QString &replace = lines.at(i);
        const QString &with = lines.at(i + 1);
        if (!replace.startsWith(QLatin1String("replace ")) || !with.startsWith(QLatin1String("with ")))
            return std::nullopt;
        const QString target = QDir::cleanPath(dir.absoluteFilePath(replace.mid(8)));
        // Only the new content that belongs to the file may replace it.
        if (target == QDir::cleanPath(folder) || QDir::cleanPath(dir.absoluteFilePath(with.mid(5))) != stagedPath(target))
            return std::nullopt;
        parsed.targets << target;
    }
    return parsed;
}

} // namespace

QString journalFile(const QString &folder) { return folder + QStringLiteral("/.vintaro-journal"); }

RoomJournal::RoomJournal(const QString &folder, const QString &operation)
    : m_folder(folder), m_operation(operation)
{
    const Recovery earlier = recoverRoomFiles(folder);
    if (earlier.kind == Recovery::Kind::Failed)
        m_failed = earlier.failedPath;
}

RoomJournal::~RoomJournal()
{
    if (m_committed)
        return;
    for (Entry &entry : m_entries) {
        entry.writer.reset();
        QFile::remove(entry.staged);
    }
}

SafeWriter *RoomJournal::stage(const QString &target)
{
    if (m_failed)
        return nullptr;
    const QString replaced = replaceableTarget(target);
    if (replaced.isEmpty() || replaced.contains(QLatin1Char('\n'))) {
        m_failed = target;
        return nullptr;
    }
    const QString absolute = cleanAbsolute(replaced);
    for (Entry &entry : m_entries)
        if (entry.target == absolute)
            return entry.writer.get();
    Entry entry;
    entry.target = absolute;
    entry.staged = stagedPath(absolute);
    entry.writer = std::make_unique<SafeWriter>(entry.staged);
    m_entries.push_back(std::move(entry));
    return m_entries.back().writer.get();
}

std::optional<QString> RoomJournal::commit()
{
    if (m_failed)
        return m_failed;
    if (m_entries.empty())
        return std::nullopt;
    const QDir dir(m_folder);
    QByteArray journal = QByteArray(kHeader) + "\noperation " + m_operation.toUtf8() + '\n';
    QStringList targets;
    for (Entry &entry : m_entries) {
        if (!entry.writer->commit())
            return m_failed = entry.target;
        // The new file keeps the permissions of the one it replaces.
        if (QFileInfo::exists(entry.target))
            QFile::setPermissions(entry.staged, QFile::permissions(entry.target));
        journal += "replace " + dir.relativeFilePath(entry.target).toUtf8() + "\nwith " +
                   dir.relativeFilePath(entry.staged).toUtf8() + '\n';
        targets << entry.target;
    }
    journal += "end\n";
    if (!writeBytes(journalFile(m_folder), journal))
        return m_failed = journalFile(m_folder);
    m_committed = true;
    return finish(m_folder, targets);
}

Recovery recoverRoomFiles(const QString &folder)
{
    Recovery recovery;
    ReadStatus status = ReadStatus::Ok;
    const std::optional<QByteArray> bytes = readSmallFile(journalFile(folder), 1 << 20, &status);
    if (status == ReadStatus::Missing) {
        if (dropOrphans(folder))
            recovery.kind = Recovery::Kind::Dropped;
        return recovery;
    }
    const std::optional<ParsedJournal> parsed = bytes ? parseJournal(folder, *bytes) : std::nullopt;
    if (!parsed) {
        // The journal is written at once, so a broken one was never ours to
        // finish: it names nothing that can be trusted.
        recovery.kind = Recovery::Kind::Failed;
        recovery.failedPath = journalFile(folder);
        return recovery;
    }
    recovery.operation = parsed->operation;
    if (const auto failed = finish(folder, parsed->targets)) {
        recovery.kind = Recovery::Kind::Failed;
        recovery.failedPath = *failed;
        return recovery;
    }
    dropOrphans(folder);
    recovery.kind = Recovery::Kind::Finished;
    return recovery;
}

} // namespace vintaro
