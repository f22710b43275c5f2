#include "persistence/textencoding.h"

#include <algorithm>
#include <utility>

namespace vintaro {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The upper half of Windows-1250 sorted by character, for encoding.
struct ReverseTable
{
    std::array<std::pair<char16_t, unsigned char>, 128> entries{};
    ReverseTable()
    {
        for (int i = 0; i < 128; ++i)
            entries[i] = {kCp1250UpperHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(entries.begin(), entries.end());
    }
};

const ReverseTable &reverseTable()
{
    static const ReverseTable table;
    return table;
}

// The bytes after the first byte of a UTF-8 character: 0 to 3, or 4 when
// the byte begins none.
std::size_t continuationCount(unsigned char c)
{
    return c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 4;
}

bool isContinuation(unsigned char c) { return (c >> 6) == 2; }

} // namespace

int cp1250Byte(char16_t character)
{
    if (character < 0x80)
        return character;
    const auto &entries = reverseTable().entries;
    const auto it =
        std::lower_bound(entries.begin(), entries.end(), std::make_pair(character, static_cast<unsigned char>(0)));
    if (it != entries.end() && it->first == character)
        return it->second;
    return -1;
}

std::string utf8ToCp1250(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t extra = continuationCount(c);
        std::size_t k = 1;
        while (extra < 4 && k <= extra && i + k < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[i + k])))
            ++k;
        if (extra == 4 || k <= extra) { // no character: one '?' for its bytes
            out += '?';
            i += k;
            continue;
        }
        char32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (std::size_t j = 1; j <= extra; ++j)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
        const int byte = code < 0x10000 ? cp1250Byte(char16_t(code)) : -1;
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += extra + 1;
    }
    return out;
}

std::string cp1250ToUtf8(std::string_view cp1250)
{
    std::string out;
    out.reserve(cp1250.size());
    for (const char c : cp1250)
        appendUtf8(out, cp1250Character(static_cast<unsigned char>(c)));
    return out;
}

bool sameText(std::string_view found, std::string_view utf8)
{
    return found == utf8 || found == utf8ToCp1250(utf8);
}

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::optional<std::size_t> utf8Length(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t extra = continuationCount(static_cast<unsigned char>(bytes[i]));
        if (extra == 4)
            return std::nullopt;
        std::size_t k = 1;
        while (k <= extra && i + k < bytes.size() && isContinuation(static_cast<unsigned char>(bytes[i + k])))
            ++k;
        if (k <= extra) {
            if (i + k == bytes.size())
                return i; // cut off
            return std::nullopt;
        }
        i += extra + 1;
    }
    return bytes.size();
}

void Utf16Decoder::decide()
{
    const unsigned a = held[0], b = held[1];
    if (a == 0xFF && b == 0xFE)
        mode = Mode::Little, heldCount = 0;
    else if (a == 0xFE && b == 0xFF)
        mode = Mode::Big, heldCount = 0;
    else if (b == 0 && a != 0 && a < 0x80)
        mode = Mode::Little; // the held unit is the first character
    else if (a == 0 && b != 0 && b < 0x80)
        mode = Mode::Big;
    else
        mode = Mode::Bytes;
}

void Utf16Decoder::unit(unsigned u, std::string &out)
{
    if (highSurrogate) {
        if (u >= 0xDC00 && u <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((highSurrogate - 0xD800) << 10) + (u - 0xDC00));
            highSurrogate = 0;
            return;
        }
        out += kReplacement;
        highSurrogate = 0;
    }
    if (u >= 0xD800 && u <= 0xDBFF)
        highSurrogate = u;
    else if (u >= 0xDC00 && u <= 0xDFFF)
        out += kReplacement;
    else
        appendUtf8(out, u);
}

void Utf16Decoder::decode(const unsigned char *data, std::size_t size, std::string &out)
{
    out.clear();
    std::size_t i = 0;
    if (heldCount == 1 && size > 0) {
        held[1] = data[i++];
        heldCount = 2;
    }
    if (heldCount == 2) {
        unit(mode == Mode::Little ? held[0] | (held[1] << 8) : (held[0] << 8) | held[1], out);
        heldCount = 0;
    }
    for (; i + 1 < size; i += 2)
        unit(mode == Mode::Little ? data[i] | (data[i + 1] << 8) : (data[i] << 8) | data[i + 1], out);
    if (i < size) {
        held[0] = data[i];
        heldCount = 1;
    }
}

void Utf16Decoder::end(std::string &out)
{
    out.clear();
    if (highSurrogate || heldCount == 1)
        out += kReplacement;
    highSurrogate = 0;
    heldCount = 0;
}

} // namespace vintaro
