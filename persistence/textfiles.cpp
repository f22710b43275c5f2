#include "persistence/textfiles.h"

#include <QFile>
#include <QSaveFile>

#include <string_view>

#include "persistence/cp1250.h"
#include "core/fields.h"

namespace vintaro {

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

std::optional<QString> readFirstField(const QString &path)
{
    const auto content = readWholeFile(path);
    if (!content)
        return std::nullopt;
    // Only the first line can hold the first field (an empty line is an empty field).
    qsizetype end = content->indexOf('\n');
    if (end < 0)
        end = content->size();
    const auto fields = readFields(std::string_view(content->constData(), static_cast<size_t>(end)));
    if (fields.empty())
        return QString();
    return fromCp1250(QByteArray::fromStdString(fields.front().text));
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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

bool copyFile(const QString &from, const QString &to)
{
    const auto content = readWholeFile(from);
    if (!content)
        return false;
    return writeBytes(to, *content);
}

} // namespace vintaro
