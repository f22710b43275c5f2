#include "systems/betchoice.h"

#include <array>
#include <charconv>

#include "core/textmark.h"

namespace vintaro {

namespace {

constexpr std::array<std::string_view, kGroupBets> kKeys = {
    "fekete",   "piros",    "alacsony", "magas",    "harmad1", "harmad2", "harmad3", "oszlopP", "oszlopM",
    "oszlopD",  "paros",    "paratlan", "oszlopPM", "oszlopMD", "voisins", "jeuzero", "tiers",  "orphelins"};

constexpr std::array<std::string_view, kGroupBets> kEnglishKeys = {
    "black",  "red",     "low",     "high",      "dozen1",    "dozen2",  "dozen3",  "column1", "column2",
    "column3", "even",   "odd",     "columns12", "columns23", "voisins", "jeuzero", "tiers",   "orphelins"};

} // namespace

std::span<const std::string_view> betKeys() { return kKeys; }

std::span<const std::string_view> englishBetKeys() { return kEnglishKeys; }

std::string_view betKeyFor(std::string_view key)
{
    for (size_t i = 0; i < kEnglishKeys.size(); ++i)
        if (kEnglishKeys[i] == key)
            return kKeys[i];
    return key;
}

std::optional<Bet> betFromKey(std::string_view key)
{
    for (size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i] == key)
            return oddsBets()[i];
    int n = -1;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    if (error == std::errc() && end == key.data() + key.size() && !key.empty() && key.size() <= 2 && isNumber(n))
        return oddsBets()[size_t(kGroupBets + n)];
    return std::nullopt;
}

Bet selectedNumbersBet(const std::vector<int> &numbers)
{
    Bet bet;
    bet.name = QT_TRANSLATE_NOOP("Bets", "Kijelölt számok");
    for (int n : numbers)
        if (isNumber(n))
            bet.numbers.set(size_t(n));
    return bet;
}

} // namespace vintaro
