#pragma once
// Ordering the per-number rows: each number stays paired with its absence;
// the pairs are ordered by a text key, as a sorted list box orders them.
#include <string>
#include <string_view>
#include <vector>

namespace vintaro {

struct NumberAbsence
{
    int number = 0;
    int absence = 0;
    bool operator==(const NumberAbsence &) const = default;
};

enum class SortOrder {
    ByAbsence, // "Rendez I.": ascending absence, ties by number
    ByNumber,  // "II.": ascending number
};

// Digits of the absence field: wide enough for any absence the history can
// hold (32 736 spins), so that long absences still sort by value.
constexpr int kAbsenceDigits = 5;

// The key of a pair: absence then number (ByAbsence) or number then absence
// (ByNumber), each zero-padded; the number takes two digits.
std::string sortKey(SortOrder order, NumberAbsence pair);

// The pair a key stands for.
NumberAbsence pairOfKey(SortOrder order, std::string_view key);

// The keys of all pairs in ascending text order.
std::vector<std::string> sortedKeys(SortOrder order, const std::vector<NumberAbsence> &pairs);

} // namespace vintaro
