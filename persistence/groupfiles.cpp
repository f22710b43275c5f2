#include "persistence/groupfiles.h"

#include <QByteArray>

#include "persistence/cp1250.h"
#include "persistence/textfiles.h"

namespace vintaro {

std::optional<std::vector<std::string>> readGroupFile(const QString &path)
{
    std::vector<std::string> records;
    const ReadStatus status = forEachField(path, [&](std::string_view text, int, bool) {
        records.push_back(fromCp1250(QByteArray(text.data(), qsizetype(text.size()))).toStdString());
        return true;
    });
    if (status != ReadStatus::Ok)
        return std::nullopt;
    return records;
}

} // namespace vintaro
