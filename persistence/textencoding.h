#pragma once
// The text encodings of the files the program reads, in one place and in
// plain C++: Windows-1250 (the code page of every file the program keeps),
// UTF-8 and UTF-16. persistence/cp1250.h gives Windows-1250 to Qt's strings.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vintaro {

// Windows-1250: the characters of the bytes 0x80 to 0xFF, ASCII below. The
// five bytes the code page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98)
// stand for the control characters of the same value, so that every byte
// decodes and encodes again to itself.
inline constexpr std::array<char16_t, 128> kCp1250UpperHalf = {
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

// The character of one Windows-1250 byte.
constexpr char16_t cp1250Character(unsigned char byte)
{
    return byte < 0x80 ? char16_t(byte) : kCp1250UpperHalf[byte - 0x80];
}

// The Windows-1250 byte of one character, or -1 when the code page lacks it.
int cp1250Byte(char16_t character);

// UTF-8 text in Windows-1250, as a program of that code page would have saved
// it ("á" is the one byte E1); a character the code page lacks becomes '?'.
std::string utf8ToCp1250(std::string_view utf8);

// Windows-1250 text in UTF-8.
std::string cp1250ToUtf8(std::string_view cp1250);

// Whether a text found in a file is the UTF-8 text `utf8`, in UTF-8 or in
// Windows-1250.
bool sameText(std::string_view found, std::string_view utf8);

// Appends one character (a code point) in UTF-8.
void appendUtf8(std::string &out, char32_t code);

// The length of `bytes` as UTF-8 text, without a character cut off at the
// end; none when they are no UTF-8 (a Windows-1250 text, say).
std::optional<std::size_t> utf8Length(std::string_view bytes);

// UTF-16 (told by its byte order mark, or by a zero byte beside the first
// character) becomes UTF-8; anything else passes as it is. The bytes may
// come cut anywhere: a unit or a surrogate pair split between two blocks is
// held until the next.
struct Utf16Decoder
{
    enum class Mode { Undecided, Bytes, Little, Big } mode = Mode::Undecided;
    unsigned char held[2] = {};
    int heldCount = 0;
    unsigned highSurrogate = 0;

    // Decides the mode from the two bytes held.
    void decide();
    // One UTF-16 unit as UTF-8 into `out`; a lone surrogate becomes U+FFFD.
    void unit(unsigned u, std::string &out);
    // Units of `data` (with a byte held from before) as UTF-8 into `out`.
    void decode(const unsigned char *data, std::size_t size, std::string &out);
    // The end of the text: what is left unfinished becomes U+FFFD.
    void end(std::string &out);
};

} // namespace vintaro
