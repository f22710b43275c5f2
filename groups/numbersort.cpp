#include "groups/numbersort.h"

#include <algorithm>

#include "core/textformat.h"

namespace vintaro {

namespace {

constexpr int kNumberDigits = 2;

// A field never outgrows its width, so the fixed slices of a key stay right.
int clampToDigits(int value, int digits)
{
    int limit = 1;
    for (int d = 0; d < digits; ++d)
        limit *= 10;
    return std::clamp(value, 0, limit - 1);
}

} // namespace

std::string sortKey(SortOrder order, NumberAbsence pair)
{
    const std::string number = zeroPadded(clampToDigits(pair.number, kNumberDigits), kNumberDigits);
    const std::string absence = zeroPadded(clampToDigits(pair.absence, kAbsenceDigits), kAbsenceDigits);
    std::string key = order == SortOrder::ByAbsence ? absence : number;
    key += order == SortOrder::ByAbsence ? number : absence;
    return key;
}

NumberAbsence pairOfKey(SortOrder order, std::string_view key)
{
    const size_t split = order == SortOrder::ByAbsence ? kAbsenceDigits : kNumberDigits;
    const std::string_view first = key.substr(0, std::min(split, key.size()));
    const std::string_view second = key.size() > split ? key.substr(split) : std::string_view();
    if (order == SortOrder::ByAbsence)
        return {leadingInt(second), leadingInt(first)};
    return {leadingInt(first), leadingInt(second)};
}

std::vector<std::string> sortedKeys(SortOrder order, const std::vector<NumberAbsence> &pairs)
{
    std::vector<std::string> keys;
    keys.reserve(pairs.size());
    for (const NumberAbsence &p : pairs)
        keys.push_back(sortKey(order, p));
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace vintaro
