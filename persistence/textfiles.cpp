#include "persistence/textfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "persistence/fields.h"
#include "persistence/cp1250.h"

namespace vintaro {

namespace {

// Whether this process may write the file (the superuser may write any).
bool mayWrite(const QString &path)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

} // namespace

QString replaceableTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath(); // empty for a dangling link
        const QFileInfo targetInfo(target);
        return !target.isEmpty() && targetInfo.isFile() && mayWrite(target) ? target : QString();
    }
    if (info.exists() && !info.isFile())
        return {};
    // A file its owner made read-only is not replaced behind their back.
    if (info.exists() && !mayWrite(path))
        return {};
    return path;
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

ReadStatus forEachLine(const QString &path, const std::function<bool(std::string_view, int, bool)> &line)
{
    return forEachLineOf(path, line);
}

ReadStatus forEachField(const QString &path, const std::function<bool(std::string_view, int, bool)> &field)
{
    return forEachFieldOf(path, field);
}

std::optional<QString> readFirstField(const QString &path, ReadStatus *status)
{
    std::optional<QString> room;
    const ReadStatus read = forEachLine(path, [&](std::string_view text, int, bool) {
        const auto fields = readFields(text);
        room = fields.empty() ? QString() : fromCp1250(QByteArray::fromStdString(fields.front().text));
        return false; // only the first line can hold the room
    });
    if (status)
        *status = read;
    if (read != ReadStatus::Ok)
        return std::nullopt;
    return room.value_or(QString());
}

std::optional<QByteArray> readSmallFile(const QString &path, qint64 limit, ReadStatus *status)
{
    ProgramFile fd(path);
    ReadStatus read = fd.status();
    QByteArray bytes;
    while (read == ReadStatus::Ok) {
        char buffer[4096];
        const ssize_t n = fd.read(buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 || bytes.size() + n > limit)
            read = ReadStatus::Unreadable;
        else
            bytes.append(buffer, qsizetype(n));
    }
    if (status)
        *status = read;
    if (read != ReadStatus::Ok)
        return std::nullopt;
    return bytes;
}

struct SafeWriter::Impl
{
    explicit Impl(const QString &target) : file(target) {}
    QSaveFile file;
    bool ok = false;
};

SafeWriter::SafeWriter(const QString &path) : m_impl(nullptr)
{
    const QString target = replaceableTarget(path);
    m_impl = new Impl(target.isEmpty() ? path : target);
    // Unbuffered: every write reaches the system at once and reports its
    // failure there (a buffered flush that fails later would go unnoticed).
    m_impl->ok = !target.isEmpty() && m_impl->file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

SafeWriter::~SafeWriter()
{
    if (m_impl->file.isOpen())
        m_impl->file.cancelWriting();
    delete m_impl;
}

bool SafeWriter::write(const char *data, qint64 size)
{
    if (m_impl->ok && size > 0)
        m_impl->ok = m_impl->file.write(data, size) == size;
    return m_impl->ok;
}

bool SafeWriter::commit()
{
    if (!m_impl->ok || !m_impl->file.flush() || m_impl->file.error() != QFileDevice::NoError) {
        m_impl->file.cancelWriting();
        m_impl->ok = false;
        return false;
    }
    m_impl->ok = m_impl->file.commit();
    // The rename itself reaches the disk only with its folder.
    if (m_impl->ok)
        syncFolder(QFileInfo(m_impl->file.fileName()).path());
    return m_impl->ok;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    SafeWriter writer(path);
    writer.write(bytes);
    return writer.commit();
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const QString &line : lines) {
        bytes += toCp1250(line);
        bytes += "\r\n";
    }
    return writeBytes(path, bytes);
}

bool truncateFile(const QString &path) { return writeBytes(path, QByteArray()); }

CopyResult copyInto(const QString &from, SafeWriter &writer)
{
    ProgramFile fd(from);
    const ReadStatus status = fd.status();
    if (status == ReadStatus::Missing)
        return CopyResult::SourceMissing;
    if (status != ReadStatus::Ok)
        return CopyResult::SourceUnreadable;
    std::array<char, kReadBlock> buffer;
    for (;;) {
        const ssize_t n = fd.read(buffer.data(), buffer.size());
        if (n < 0)
            return CopyResult::SourceUnreadable;
        if (n == 0)
            return CopyResult::Copied;
        if (!writer.write(buffer.data(), n))
            return CopyResult::TargetUnwritable;
    }
}

CopyResult copyFile(const QString &from, const QString &to)
{
    SafeWriter writer(to);
    const CopyResult copied = copyInto(from, writer);
    if (copied != CopyResult::Copied)
        return copied; // the writer is dropped: `to` stays whole
    return writer.commit() ? CopyResult::Copied : CopyResult::TargetUnwritable;
}

} // namespace vintaro
