#include "persistence/spinfiles.h"

#include <QByteArray>

#include <algorithm>

#include "persistence/fields.h"
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

namespace {

// The value of a field of one or two digits, as nearly every field of a list
// is; -1 for any other field.
inline int shortValue(std::string_view field)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (field.size() == 1 && digit(field[0]))
        return field[0] - '0';
    if (field.size() == 2 && digit(field[0]) && digit(field[1]))
        return (field[0] - '0') * 10 + (field[1] - '0');
    return -1;
}

} // namespace

std::optional<int> fieldValue(std::string_view field)
{
    if (const int value = shortValue(field); value >= 0)
        return value;
    const std::optional<double> value = leadingNumber(field);
    if (!value)
        return std::nullopt;
    return roundHalfEven(*value);
}

namespace {

// The spin a field that was not cut reads.
inline int spinOf(std::string_view field)
{
    const int quick = shortValue(field);
    const auto value = quick >= 0 ? std::optional<int>(quick) : fieldValue(field);
    return value && isNumber(*value) ? *value : -1;
}

} // namespace

int fieldSpin(std::string_view field, bool cut) { return cut ? -1 : spinOf(field); }

namespace {

// Gathers the spins of a list field by field, keeping the newest kCapacity
// of them in a ring.
class SpinListBuilder
{
public:
    SpinListBuilder() { m_ring.reserve(SpinHistory::kCapacity); }

    void add(std::string_view field, qint64 line, bool cut)
    {
        const int value = cut ? -1 : spinOf(field);
        if (value < 0) {
            if (m_list.skipped++ == 0)
                m_list.firstSkippedLine = line;
            return;
        }
        const auto spin = static_cast<std::int16_t>(value);
        if (m_ring.size() < size_t(SpinHistory::kCapacity))
            m_ring.push_back(spin);
        else
            m_ring[size_t(m_total % SpinHistory::kCapacity)] = spin;
        ++m_total;
    }

    SpinList finish(ReadStatus status)
    {
        if (status != ReadStatus::Ok) {
            SpinList none;
            none.status = status;
            return none;
        }
        const qint64 capacity = SpinHistory::kCapacity;
        if (m_total > capacity) {
            m_list.leftOut = m_total - capacity;
            std::rotate(m_ring.begin(), m_ring.begin() + std::ptrdiff_t(m_total % capacity), m_ring.end());
        }
        m_list.spins = std::move(m_ring);
        return std::move(m_list);
    }

private:
    SpinList m_list;
    std::vector<std::int16_t> m_ring;
    qint64 m_total = 0;
};

} // namespace

SpinList parseSpinList(std::string_view content)
{
    SpinListBuilder builder;
    for (const Field &field : readFields(content))
        builder.add(field.text, field.line, false);
    return builder.finish(ReadStatus::Ok);
}

SpinList readSpinList(const QString &path)
{
    SpinListBuilder builder;
    const ReadStatus status = forEachFieldOf(path, [&](std::string_view text, int line, bool cut) {
        builder.add(text, line, cut);
        return true;
    });
    return builder.finish(status);
}

} // namespace vintaro
