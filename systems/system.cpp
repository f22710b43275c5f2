#include "systems/system.h"

#include <cmath>

#include "core/textmark.h"
#include "systems/counters.h"
#include "systems/lines.h"

namespace vintaro {

namespace {

struct Names
{
    std::string_view key, name;
};

constexpr std::array<Names, kSystemCount> kNames = {{
    {"flat", QT_TRANSLATE_NOOP("SystemNames", "Egyenletes tét")},
    {"martingale", QT_TRANSLATE_NOOP("SystemNames", "Martingale")},
    {"paroli", QT_TRANSLATE_NOOP("SystemNames", "Paroli")},
    {"dalembert", QT_TRANSLATE_NOOP("SystemNames", "D'Alembert")},
    {"fibonacci", QT_TRANSLATE_NOOP("SystemNames", "Fibonacci")},
    {"labouchere", QT_TRANSLATE_NOOP("SystemNames", "Labouchère")},
    {"oscar", QT_TRANSLATE_NOOP("SystemNames", "Oscar's Grind")},
}};

} // namespace

std::string_view systemKey(SystemKind kind) { return kNames[size_t(kind)].key; }
std::string_view systemName(SystemKind kind) { return kNames[size_t(kind)].name; }

std::optional<SystemKind> systemFromKey(std::string_view key)
{
    for (SystemKind kind : kSystems)
        if (systemKey(kind) == key)
            return kind;
    return std::nullopt;
}

std::unique_ptr<System> makeSystem(SystemKind kind)
{
    switch (kind) {
    case SystemKind::Flat: return std::make_unique<FlatSystem>();
    case SystemKind::Martingale: return std::make_unique<MartingaleSystem>();
    case SystemKind::Paroli: return std::make_unique<ParoliSystem>();
    case SystemKind::DAlembert: return std::make_unique<DAlembertSystem>();
    case SystemKind::Fibonacci: return std::make_unique<FibonacciSystem>();
    case SystemKind::Labouchere: return std::make_unique<LabouchereSystem>();
    case SystemKind::Oscar: return std::make_unique<OscarSystem>();
    }
    return std::make_unique<FlatSystem>();
}

LabouchereSystem::LabouchereSystem(std::vector<std::int64_t> line) : m_start(std::move(line))
{
    if (m_start.empty())
        m_start = {1};
    m_line = m_start;
}

void LabouchereSystem::reset(double)
{
    m_line = m_start;
    m_first = 0;
}

void LabouchereSystem::won()
{
    const size_t n = m_line.size() - m_first;
    if (n <= 2) {
        reset(0);
        return;
    }
    ++m_first;
    m_line.pop_back();
    // Keep the crossed-off front from growing without end.
    if (m_first > 64 && m_first * 2 > m_line.size()) {
        m_line.erase(m_line.begin(), m_line.begin() + std::ptrdiff_t(m_first));
        m_first = 0;
    }
}

void OscarSystem::won()
{
    m_profit += double(m_stake) * m_win;
    if (m_profit >= 1 - 1e-9) {
        m_stake = 1;
        m_profit = 0;
        return;
    }
    const auto needed = std::int64_t(std::ceil((1 - m_profit) / m_win - 1e-9));
    m_stake = std::max<std::int64_t>(1, std::min(m_stake + 1, needed));
}

} // namespace vintaro
