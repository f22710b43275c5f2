#include "persistence/groupfiles.h"

#include <QFile>

#include <string_view>

#include "core/fields.h"

namespace vintaro {

std::optional<std::vector<std::string>> readGroupFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    std::vector<std::string> records;
    for (Field &field : readFields(std::string_view(content.constData(), static_cast<size_t>(content.size()))))
        records.push_back(std::move(field.text));
    return records;
}

} // namespace vintaro
