#include "groups/grouptables.h"

#include <algorithm>

#include "core/numbermodel.h"
#include "core/textformat.h"

namespace vintaro {

int groupCount(GroupKind kind)
{
    switch (kind) {
    case GroupKind::Street: return 12;
    case GroupKind::SixLine: return 11;
    case GroupKind::Corner: return 22;
    case GroupKind::Pair: return 57;
    case GroupKind::BigDiagonal: return 20;
    case GroupKind::SmallDiagonal: return 44;
    case GroupKind::SingleNumber: return kNumberCount;
    }
    return 0;
}

int memberCount(GroupKind kind)
{
    switch (kind) {
    case GroupKind::Street: return 3;
    case GroupKind::SixLine: return 6;
    case GroupKind::Corner: return 4;
    case GroupKind::Pair: return 2;
    case GroupKind::BigDiagonal: return 3;
    case GroupKind::SmallDiagonal: return 2;
    case GroupKind::SingleNumber: return 1;
    }
    return 0;
}

std::string_view groupFileName(GroupKind kind)
{
    switch (kind) {
    case GroupKind::Corner: return "corner.txt";
    case GroupKind::Pair: return "parok.txt";
    case GroupKind::BigDiagonal: return "natlo.txt";
    case GroupKind::SmallDiagonal: return "katlo.txt";
    default: return {};
    }
}

namespace {

// Where each character of a UTF-8 text begins, and its end. A group file's
// text comes from a single-byte code page, so one character there is one
// character here, however many bytes it takes.
std::vector<size_t> characterStarts(std::string_view s)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(s.size());
    return starts;
}

// Left-justified store into a fixed-width text: cut or padded on the right,
// the width counted in characters.
std::string fixedWidth(const std::string &value, int width)
{
    const std::vector<size_t> starts = characterStarts(value);
    const size_t characters = starts.size() - 1;
    const size_t w = static_cast<size_t>(width);
    if (characters >= w)
        return value.substr(0, starts[w]);
    return value + std::string(w - characters, ' ');
}

// A table of consecutive numbers: group i holds `members` numbers starting
// at 3(i-1)+1, so streets step by one street and six-lines overlap.
std::vector<std::string> consecutiveTable(int groups, int members)
{
    std::vector<std::string> table(static_cast<size_t>(groups) + 1);
    for (int i = 1; i <= groups; ++i) {
        std::string text;
        for (int j = 1; j <= members; ++j) {
            if (j > 1)
                text += ' ';
            text += zeroPadded(3 * (i - 1) + j, 2);
        }
        table[static_cast<size_t>(i)] = fixedWidth(text, groupTextWidth(members));
    }
    return table;
}

const std::string kNoText;

} // namespace

GroupTables::GroupTables()
{
    for (int k = 0; k < kGroupKindCount; ++k) {
        const auto kind = static_cast<GroupKind>(k);
        if (kind != GroupKind::SingleNumber)
            m_tables[static_cast<size_t>(k)].resize(static_cast<size_t>(groupCount(kind)) + 1);
    }
    m_tables[static_cast<size_t>(GroupKind::Street)] = consecutiveTable(12, 3);
    m_tables[static_cast<size_t>(GroupKind::SixLine)] = consecutiveTable(11, 6);
}

void GroupTables::fill(GroupKind kind, const std::vector<std::string> &records)
{
    if (kind == GroupKind::SingleNumber)
        return;
    auto &table = m_tables[static_cast<size_t>(kind)];
    const int width = groupTextWidth(memberCount(kind));
    const size_t stored = std::min(records.size(), table.size() - 1);
    for (size_t k = 0; k < stored; ++k)
        table[k + 1] = fixedWidth(records[k], width);
}

const std::string &GroupTables::text(GroupKind kind, int i) const
{
    const auto &table = m_tables[static_cast<size_t>(kind)];
    if (i < 1 || static_cast<size_t>(i) >= table.size())
        return kNoText;
    return table[static_cast<size_t>(i)];
}

bool GroupTables::isEmpty(GroupKind kind, int i) const { return trimBlanks(text(kind, i)).empty(); }

std::vector<Group> GroupTables::groups(GroupKind kind) const
{
    std::vector<Group> out;
    if (kind == GroupKind::SingleNumber) {
        out.reserve(kNumberCount);
        for (int n = 0; n < kNumberCount; ++n)
            out.push_back({plainText(n), {n}});
        return out;
    }
    const int count = groupCount(kind);
    const int members = memberCount(kind);
    out.reserve(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i) {
        if (isEmpty(kind, i))
            continue;
        out.push_back({text(kind, i), groupMembers(text(kind, i), members)});
    }
    return out;
}

std::vector<int> groupMembers(const std::string &text, int memberCount)
{
    std::vector<int> members;
    if (memberCount < 1)
        return members;
    // Slices of two characters, not bytes: "01ő02" holds 01 and 02.
    const std::string_view s(text);
    const std::vector<size_t> starts = characterStarts(s);
    const size_t characters = starts.size() - 1;
    auto slice = [&](size_t first) {
        if (first >= characters)
            return 0;
        const size_t end = starts[std::min(first + 2, characters)];
        return leadingInt(s.substr(starts[first], end - starts[first]));
    };
    for (int m = 1; m < memberCount; ++m)
        members.push_back(slice(static_cast<size_t>(3 * m - 3)));
    members.push_back(characters >= 2 ? slice(characters - 2) : leadingInt(s));
    return members;
}

} // namespace vintaro
