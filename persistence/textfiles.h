#pragma once
// The file primitives of the program folder. Text is Windows-1250 with CR LF
// line ends. Every write goes to a temporary file beside the target that
// replaces the target only once it is complete, so a failed or interrupted
// write leaves the old file whole.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vintaro {

// The whole content of a file; nothing when it is missing or unreadable.
std::optional<QByteArray> readWholeFile(const QString &path);

// Read one line: the first field of the file (leading blanks skipped, ending
// at a comma or the line end). An empty file gives an empty text; a missing
// one gives nothing.
std::optional<QString> readFirstField(const QString &path);

// Write lines: each text followed by CR LF, replacing the file.
bool writeLines(const QString &path, const QStringList &lines);

// Replaces the file with exactly these bytes.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Truncate: leaves a 0-byte file.
bool truncateFile(const QString &path);

// Copy: replaces `to` with a byte-for-byte copy of `from`. When `from` cannot
// be read, `to` keeps its content.
bool copyFile(const QString &from, const QString &to);

} // namespace vintaro
