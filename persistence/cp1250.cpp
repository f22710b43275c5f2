#include "persistence/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vintaro {

namespace {

// Characters of the bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The upper half sorted by character, for encoding.
struct ReverseTable
{
    std::array<std::pair<char16_t, unsigned char>, 128> entries{};
    ReverseTable()
    {
        for (int i = 0; i < 128; ++i)
            entries[i] = {kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
    }
};

const ReverseTable &reverseTable()
{
    static const ReverseTable table;
    return table;
}

// The byte of one UTF-16 unit, or -1 when the code page lacks it.
int byteOf(char16_t c)
{
    if (c < 0x80)
        return c;
    const auto &entries = reverseTable().entries;
    const auto it = std::lower_bound(entries.begin(), entries.end(), std::make_pair(c, static_cast<unsigned char>(0)));
    if (it != entries.end() && it->first == c)
        return it->second;
    return -1;
}

} // namespace

QByteArray toCp1250(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // a character beyond the first plane is one '?', not two
        const int b = c.isSurrogate() ? -1 : byteOf(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString fromCp1250(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        dst[i] = QChar(b < 0x80 ? char16_t(b) : kUpperHalf[b - 0x80]);
    }
    return out;
}

bool fitsCp1250(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return !c.isSurrogate() && byteOf(c.unicode()) >= 0; });
}

} // namespace vintaro
