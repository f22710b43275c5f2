#include "persistence/spinfiles.h"

#include <QByteArray>

#include <algorithm>

#include "core/fields.h"
#include "core/numbermodel.h"
#include "persistence/textfiles.h"
#include "core/textformat.h"

namespace vintaro {

QString roomNumberFile(const QString &folder) { return folder + QStringLiteral("/terem.txt"); }

QString workingListFile(const QString &folder) { return folder + QStringLiteral("/rszamok.txt"); }

QString roomListFile(const QString &folder, const QString &room)
{
    return folder + QStringLiteral("/rszamok") + room + QStringLiteral(".txt");
}

std::optional<int> fieldValue(std::string_view field)
{
    if (!hasLeadingNumber(field))
        return std::nullopt;
    return roundHalfEven(leadingValue(field));
}

SpinList parseSpinList(std::string_view content)
{
    SpinList list;
    const std::vector<Field> fields = readFields(content);
    list.spins.reserve(fields.size());
    for (const Field &field : fields) {
        const auto value = fieldValue(field.text);
        if (!value || *value < 0 || *value > kHighestNumber) {
            if (list.skipped++ == 0)
                list.firstSkippedLine = field.line;
            continue;
        }
        list.spins.push_back(static_cast<std::int16_t>(*value));
    }
    const auto capacity = static_cast<size_t>(SpinHistory::kCapacity);
    if (list.spins.size() > capacity) {
        list.leftOut = static_cast<int>(list.spins.size() - capacity);
        list.spins.erase(list.spins.begin(), list.spins.begin() + list.leftOut);
    }
    return list;
}

SpinList readSpinList(const QString &path)
{
    const auto content = readWholeFile(path);
    if (!content) {
        SpinList none;
        none.missing = true;
        return none;
    }
    return parseSpinList(std::string_view(content->constData(), static_cast<size_t>(content->size())));
}

QStringList savedLines(const SpinHistory &history)
{
    QStringList lines;
    lines.reserve(history.count());
    for (int position = 1; position <= history.count(); ++position) {
        const std::string line = historyLine(position, history.at(position));
        lines.append(QString::fromLatin1(line.data() + line.size() - 2, 2));
    }
    return lines;
}

} // namespace vintaro
