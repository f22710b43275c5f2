#pragma once
// The file primitives of the program folder. Text is Windows-1250 with CR LF
// line ends.
//
// Readers open regular files only, through persistence/readguard.h: a FIFO,
// a device or a folder in place of a file is unreadable, never waited on or
// read without end. Files are read as a stream, so memory does not grow with
// a file's length.
//
// Every write goes to a temporary file beside the target that replaces the
// target only once it is complete and on disk, and the folder is synced after
// the rename, so a failed or interrupted write leaves the old file whole and
// a finished one stays finished through a power cut. A write never goes through a link to
// anything but a regular file, and never replaces a folder or a device.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "persistence/fields.h"
#include "persistence/readguard.h"

namespace vintaro {

// Lines longer than this are cut; the cut text is flagged (it cannot be a
// spin, a room or a group anyway).
inline constexpr qsizetype kLineLimit = 4096;
// Files are read in blocks of this many bytes.
inline constexpr size_t kReadBlock = 1 << 16;

// Calls `line` for every line of the file in order: the text without its
// line end (CR LF, LF and CR all end a line; a final line end adds no empty
// line), its 1-based number, and whether it was cut at kLineLimit. A UTF-8
// byte-order mark at the very start is dropped. `line` returns false to stop.
ReadStatus forEachLine(const QString &path,
                       const std::function<bool(std::string_view text, int number, bool cut)> &line);
// The same with the callback inlined, for readers of long lists.
template <typename Line> ReadStatus forEachLineOf(const QString &path, Line &&line);

// Read one line: the first field of the first line (leading blanks skipped,
// ending at a comma or the line end). An empty file gives an empty text; a
// missing or unreadable one gives nothing (and says which in `status`).
std::optional<QString> readFirstField(const QString &path, ReadStatus *status = nullptr);

// The bytes of a small file, read whole; nothing when it is missing,
// unreadable or longer than `limit` (`status` says which).
std::optional<QByteArray> readSmallFile(const QString &path, qint64 limit, ReadStatus *status = nullptr);

// Write lines: each text followed by CR LF, replacing the file.
bool writeLines(const QString &path, const QStringList &lines);

// Replaces the file with exactly these bytes.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Truncate: leaves a 0-byte file.
bool truncateFile(const QString &path);

// Copy: replaces `to` with a byte-for-byte copy of `from`, streamed. When
// `from` is missing or unreadable, `to` keeps its content.
enum class CopyResult { Copied, SourceMissing, SourceUnreadable, TargetUnwritable };
CopyResult copyFile(const QString &from, const QString &to);

// Calls `field` for every field of the file as a sequential reader reads
// them (persistence/fields.h), with the line it stands on; an empty line is one
// empty field. A line cut at kLineLimit is one field of its own, flagged.
ReadStatus forEachField(const QString &path,
                        const std::function<bool(std::string_view text, int line, bool cut)> &field);
template <typename OnField> ReadStatus forEachFieldOf(const QString &path, OnField &&field);

// Every reader of the program folder takes regular files only.
class ProgramFile : public InputFile
{
public:
    explicit ProgramFile(const QString &path)
        : InputFile(QFile::encodeName(path).toStdString(), InputKind::RegularFile)
    {
    }
};

// A write in pieces with the guarantees above: nothing replaces the target
// until commit() succeeds.
class SafeWriter
{
public:
    explicit SafeWriter(const QString &path);
    ~SafeWriter();
    SafeWriter(const SafeWriter &) = delete;
    SafeWriter &operator=(const SafeWriter &) = delete;

    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Flushes, checks every write and replaces the target; false when any
    // step failed (the target then keeps its old content).
    bool commit();

private:
    struct Impl;
    Impl *m_impl;
};

// Streams the bytes of `from` into `to` (nothing is committed here).
CopyResult copyInto(const QString &from, SafeWriter &to);

// The file a write to `path` really replaces: the path itself, or the
// regular file a link points to; empty when the path holds something that
// must not be replaced (a folder, a device, a file made read-only).
QString replaceableTarget(const QString &path);

// Makes the names in a folder (a rename, a removal) survive a power cut.
bool syncFolder(const QString &folder);

template <typename Line> ReadStatus forEachLineOf(const QString &path, Line &&line)
{
    ProgramFile fd(path);
    if (fd.status() != ReadStatus::Ok)
        return fd.status();

    std::array<char, kReadBlock> buffer;
    std::string pending;     // the line read so far
    bool cut = false;        // the pending line passed kLineLimit
    bool afterCr = false;    // the last byte was a CR: an LF right after it belongs to it
    bool inLine = false;     // bytes of a line not yet passed on
    bool first = true;
    int number = 0;
    bool go = true;
    auto finish = [&] {
        go = line(std::string_view(pending), ++number, cut);
        pending.clear();
        cut = false;
        inLine = false;
    };
    for (;;) {
        const ssize_t n = fd.read(buffer.data(), buffer.size());
        if (n < 0)
            return ReadStatus::Unreadable;
        if (n == 0)
            break;
        std::string_view chunk(buffer.data(), static_cast<size_t>(n));
        if (first) {
            first = false;
            if (chunk.substr(0, 3) == "\xEF\xBB\xBF")
                chunk.remove_prefix(3);
        }
        size_t i = 0;
        while (i < chunk.size() && go) {
            // Most lines of a list are two bytes and CR LF (" 5", "17"): taken whole.
            if (!inLine && !afterCr && i + 4 <= chunk.size() && chunk[i + 2] == '\r' && chunk[i + 3] == '\n'
                && chunk[i] != '\r' && chunk[i] != '\n' && chunk[i + 1] != '\r' && chunk[i + 1] != '\n') {
                go = line(chunk.substr(i, 2), ++number, false);
                i += 4;
                continue;
            }
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                ++i;
                continue;
            }
            afterCr = false;
            if (c == '\r' || c == '\n') {
                afterCr = c == '\r';
                finish();
                ++i;
                continue;
            }
            // Take the run of ordinary bytes up to the next line end at once.
            size_t end = i;
            while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n')
                ++end;
            // A whole line inside the block goes on as it stands, with its end.
            if (!inLine && end < chunk.size() && end - i <= size_t(kLineLimit)) {
                go = line(chunk.substr(i, end - i), ++number, false);
                afterCr = chunk[end] == '\r';
                i = end + 1;
                continue;
            }
            const size_t room = pending.size() < size_t(kLineLimit) ? size_t(kLineLimit) - pending.size() : 0;
            const size_t take = std::min(room, end - i);
            pending.append(chunk.substr(i, take));
            if (take < end - i)
                cut = true;
            inLine = true;
            i = end;
        }
        if (!go)
            return ReadStatus::Ok;
    }
    if (inLine)
        finish();
    return ReadStatus::Ok;
}

template <typename OnField> ReadStatus forEachFieldOf(const QString &path, OnField &&field)
{
    return forEachLineOf(path, [&](std::string_view text, int number, bool cut) __attribute__((always_inline)) -> bool {
        if (cut || text.empty())
            return field(cut ? text : std::string_view(), number, cut);
        // Most lines hold one number of a digit or two: the line is the field.
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (text.size() <= 2 && digit(text.back())) {
            if (digit(text.front()))
                return field(text, number, false);
            if (text.front() == ' ' || text.front() == '\t')
                return field(text.substr(1), number, false);
        }
        if (const std::optional<std::string_view> lone = loneField(text))
            return field(*lone, number, false);
        for (const Field &f : readFields(text))
            if (!field(std::string_view(f.text), number, false))
                return false;
        return true;
    });
}

} // namespace vintaro
