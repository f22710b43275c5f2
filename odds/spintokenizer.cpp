#include "odds/spintokenizer.h"

#include <array>

namespace vintaro {

namespace {

enum ByteClass : std::uint8_t { Digit, Separator, LineFeed, CarriageReturn, Other };

constexpr std::array<std::uint8_t, 256> makeClasses()
{
    std::array<std::uint8_t, 256> table{};
    for (auto &c : table)
        c = Other;
    for (int c = '0'; c <= '9'; ++c)
        table[static_cast<size_t>(c)] = Digit;
    table[','] = table[';'] = table[' '] = table['\t'] = Separator;
    table['\n'] = LineFeed;
    table['\r'] = CarriageReturn;
    return table;
}

constexpr std::array<std::uint8_t, 256> kClasses = makeClasses();
constexpr unsigned char kBom[3] = {0xEF, 0xBB, 0xBF};
constexpr int kHighest = 36;
constexpr int kTooBig = 100; // any value above 36 is junk; stop growing there

} // namespace

void SpinTokenizer::endJunk(const unsigned char *tokenStart, const unsigned char *tokenEnd)
{
    if (m_junk++ != 0)
        return;
    m_firstJunkLine = m_tokenLine;
    m_firstJunkText = m_carry;
    if (tokenStart)
        m_firstJunkText.append(reinterpret_cast<const char *>(tokenStart), size_t(tokenEnd - tokenStart));
    if (m_firstJunkText.size() > kJunkTextLimit)
        m_firstJunkText.resize(kJunkTextLimit);
    m_carry.clear();
}

std::size_t SpinTokenizer::feed(const unsigned char *data, std::size_t size, std::uint8_t *out)
{
    const unsigned char *p = data;
    const unsigned char *const end = data + size;
    // The byte order mark counts only at the very start of the file.
    while (m_bomMatched >= 0 && p < end) {
        if (*p != kBom[m_bomMatched]) {
            if (m_bomMatched > 0) { // a torn mark: the start of a token that is no number
                m_inToken = m_tokenJunk = true;
                m_carry.assign(reinterpret_cast<const char *>(kBom), size_t(m_bomMatched));
            }
            m_bomMatched = -1;
            break;
        }
        ++p;
        if (++m_bomMatched == 3)
            m_bomMatched = -1;
    }

    // Locals only in the loop: the compiler must assume that a store through
    // `out` could change any member.
    std::size_t written = 0;
    const unsigned char *tokenStart = m_inToken ? p : nullptr;
    int value = m_value;
    bool inToken = m_inToken, junk = m_tokenJunk, afterCr = m_afterCr;
    std::int64_t line = m_line, tokenLine = m_tokenLine;
    for (; p < end; ++p) {
        const unsigned c = *p;
        const std::uint8_t cls = kClasses[c];
        if (cls == Digit || cls == Other) {
            if (!inToken) {
                inToken = true;
                tokenStart = p;
                tokenLine = line;
            }
            if (cls == Digit) {
                value = value * 10 + int(c - '0');
                value = value < kTooBig ? value : kTooBig;
            } else {
                junk = true;
            }
            afterCr = false;
            continue;
        }
        if (inToken) {
            if (!junk && value <= kHighest) {
                out[written++] = static_cast<std::uint8_t>(value);
            } else {
                m_tokenLine = tokenLine;
                endJunk(tokenStart, p);
            }
            if (!m_carry.empty())
                m_carry.clear();
            inToken = junk = false;
            value = 0;
        }
        if (cls == LineFeed) {
            line += afterCr ? 0 : 1;
            afterCr = false;
        } else {
            line += cls == CarriageReturn ? 1 : 0;
            afterCr = cls == CarriageReturn;
        }
    }
    if (inToken && m_junk == 0 && tokenStart && m_carry.size() < kJunkTextLimit)
        m_carry.append(reinterpret_cast<const char *>(tokenStart), size_t(end - tokenStart));
    m_value = value;
    m_inToken = inToken;
    m_tokenJunk = junk;
    m_afterCr = afterCr;
    m_line = line;
    m_tokenLine = tokenLine;
    return written;
}

std::size_t SpinTokenizer::finish(std::uint8_t *out)
{
    std::size_t written = 0;
    if (m_bomMatched > 0) { // the file is a torn byte order mark and nothing else
        m_inToken = m_tokenJunk = true;
        m_carry.assign(reinterpret_cast<const char *>(kBom), size_t(m_bomMatched));
    }
    m_bomMatched = -1;
    if (m_inToken) {
        if (!m_tokenJunk && m_value <= kHighest)
            out[written++] = static_cast<std::uint8_t>(m_value);
        else
            endJunk(nullptr, nullptr);
    }
    m_carry.clear();
    m_inToken = m_tokenJunk = false;
    m_value = 0;
    return written;
}

} // namespace vintaro
