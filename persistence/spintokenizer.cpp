#include "persistence/spintokenizer.h"

#include "core/clones.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vintaro {

namespace {

enum ByteClass : std::uint8_t { Digit, Separator, Other };

constexpr std::array<std::uint8_t, 256> makeClasses()
{
    std::array<std::uint8_t, 256> table{};
    for (auto &c : table)
        c = Other;
    for (int c = '0'; c <= '9'; ++c)
        table[static_cast<size_t>(c)] = Digit;
    table[','] = table[';'] = table[' '] = table['\t'] = Separator;
    table['\n'] = table['\r'] = Separator;
    return table;
}

constexpr std::array<std::uint8_t, 256> kClasses = makeClasses();
constexpr unsigned char kBom[3] = {0xEF, 0xBB, 0xBF};
constexpr int kHighest = 36;
constexpr int kTooBig = 100; // any value above 36 is junk; stop growing there

// Bit i of a mask stands for byte i of a 64-byte chunk.
struct ChunkMasks
{
    std::uint64_t separator = 0;
    std::uint64_t other = 0; // neither a separator nor a digit
};

#if defined(__SSE2__)
inline std::uint64_t bits(__m128i m, int part)
{
    return std::uint64_t(unsigned(_mm_movemask_epi8(m))) << (16 * part);
}

inline ChunkMasks classify(const unsigned char *q)
{
    ChunkMasks m;
    for (int part = 0; part < 4; ++part) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(q + 16 * part));
        const __m128i sep = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(',')), _mm_cmpeq_epi8(x, _mm_set1_epi8(';'))),
                         _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\t')))),
            _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(x, _mm_set1_epi8('\n'))));
        const __m128i t = _mm_sub_epi8(x, _mm_set1_epi8('0'));
        const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(t, _mm_set1_epi8(9)), t);
        m.separator |= bits(sep, part);
        m.other |= bits(_mm_andnot_si128(_mm_or_si128(sep, digit), _mm_set1_epi8(-1)), part);
    }
    return m;
}

inline void lineMasks(const unsigned char *q, std::uint64_t &cr, std::uint64_t &lf)
{
    cr = lf = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(q + 16 * part));
        cr |= bits(_mm_cmpeq_epi8(x, _mm_set1_epi8('\r')), part);
        lf |= bits(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')), part);
    }
}
#else
inline ChunkMasks classify(const unsigned char *q)
{
    ChunkMasks m;
    for (int i = 0; i < 64; ++i) {
        m.separator |= std::uint64_t(kClasses[q[i]] == Separator) << i;
        m.other |= std::uint64_t(kClasses[q[i]] == Other) << i;
    }
    return m;
}

inline void lineMasks(const unsigned char *q, std::uint64_t &cr, std::uint64_t &lf)
{
    cr = lf = 0;
    for (int i = 0; i < 64; ++i) {
        cr |= std::uint64_t(q[i] == '\r') << i;
        lf |= std::uint64_t(q[i] == '\n') << i;
    }
}
#endif

} // namespace

// The hot loops get an AVX2 build (x86-64-v3: POPCNT, TZCNT, BMI) beside the
// baseline one, chosen by what the processor can do.
VINTARO_CLONES("arch=x86-64-v3", "default") std::int64_t SpinTokenizer::lineEnds(const unsigned char *b, const unsigned char *e, bool &afterCr)
{
    std::int64_t lines = 0;
    std::uint64_t crBefore = afterCr;
    for (; e - b >= 64; b += 64) {
        std::uint64_t cr = 0, lf = 0;
        lineMasks(b, cr, lf);
        lines += std::popcount(cr) + std::popcount(lf & ~((cr << 1) | crBefore));
        crBefore = cr >> 63;
    }
    bool prevCr = crBefore != 0;
    for (; b < e; ++b) {
        lines += *b == '\r' || (*b == '\n' && !prevCr);
        prevCr = *b == '\r';
    }
    afterCr = prevCr;
    return lines;
}

// One token of [s, e) in this block, whatever it holds.
void SpinTokenizer::token(const unsigned char *s, const unsigned char *e, std::uint8_t *out, std::size_t &written,
                          const unsigned char *blockStart)
{
    int value = 0;
    bool junk = false;
    for (const unsigned char *c = s; c < e; ++c) {
        if (kClasses[*c] == Digit)
            value = std::min(value * 10 + int(*c - '0'), kTooBig);
        else
            junk = true;
    }
    if (!junk && value <= kHighest)
        out[written++] = static_cast<std::uint8_t>(value);
    else
        endJunk(s, e, blockStart, false);
}

// Whole 64-byte chunks from p, which starts outside a token: separators and
// stray bytes found sixteen at a time, tokens walked by their bit masks, so
// that no step waits on the length of the token before. Returns where it
// stopped: the start of a token that runs past the last whole chunk, or the
// first byte after it.
VINTARO_CLONES("arch=x86-64-v3", "default") const unsigned char *SpinTokenizer::chunks(const unsigned char *p, const unsigned char *end, std::uint8_t *out,
                                           std::size_t &writtenSoFar, const unsigned char *blockStart)
{
    std::size_t written = writtenSoFar;
    const unsigned char *pending = nullptr; // a token begun in an earlier chunk
    std::uint64_t separatorBefore = 1;
    const unsigned char *q = p;
    for (; end - q >= 64; q += 64) {
        const ChunkMasks m = classify(q);
        const std::uint64_t afterSeparator = (m.separator << 1) | separatorBefore;
        std::uint64_t starts = ~m.separator & afterSeparator;
        std::uint64_t ends = m.separator & ~afterSeparator;
        separatorBefore = m.separator >> 63;
        if (pending) {
            if (!ends)
                continue; // the token fills the chunk
            token(pending, q + std::countr_zero(ends), out, written, blockStart);
            ends &= ends - 1;
            pending = nullptr;
        }
        while (starts) {
            const int s = std::countr_zero(starts);
            starts &= starts - 1;
            if (!ends) {
                pending = q + s;
                break;
            }
            const int e = std::countr_zero(ends);
            ends &= ends - 1;
            // One or two digits, without a branch on which: byte s + 1 is
            // the separator after a one-digit token (and no stray byte).
            const int length = e - s; // 1..63
            const int d0 = q[s] - '0', d1 = q[s + 1] - '0';
            const int two = length == 2;
            const int v = d0 + two * (9 * d0 + d1);
            const bool number = (length <= 2) & (((m.other >> s) & 3) == 0) & (v <= kHighest);
            out[written] = static_cast<std::uint8_t>(v); // kept only when it is a number
            written += number;
            if (!number)
                token(q + s, q + e, out, written, blockStart);
        }
    }
    writtenSoFar = written;
    return pending ? pending : q;
}

// The line of a token that starts in this block.
std::int64_t SpinTokenizer::lineOf(const unsigned char *tokenStart, const unsigned char *blockStart)
{
    if (m_countLines)
        return m_countLines(m_offset + std::uint64_t(tokenStart - blockStart));
    bool afterCr = m_afterCr;
    return m_line + lineEnds(blockStart, tokenStart, afterCr);
}

void SpinTokenizer::endJunk(const unsigned char *tokenStart, const unsigned char *tokenEnd,
                            const unsigned char *blockStart, bool carried)
{
    if (m_junk++ != 0)
        return;
    if (!carried) // the token began in this block
        m_tokenLine = lineOf(tokenStart, blockStart);
    else if (m_countLines)
        m_tokenLine = m_countLines(m_tokenOffset);
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

    const unsigned char *const blockStart = data;
    // Locals only in the loop: the compiler must assume that a store through
    // `out` could change any member.
    std::size_t written = 0;
    // The token's bytes in this block; `carried` when it began in an earlier one.
    const unsigned char *tokenStart = p;
    bool carried = m_inToken;
    int value = m_value;
    bool inToken = m_inToken, junk = m_tokenJunk;
    while (p < end) {
        if (!inToken && end - p >= 64) {
            // Then below: the rest of the block, or a token that runs past the chunks.
            p = chunks(p, end, out, written, blockStart);
            if (p == end)
                break;
        }
        if (!inToken) {
            const std::uint8_t k0 = kClasses[p[0]];
            if (k0 == Separator) {
                ++p;
                continue;
            }
            // Most tokens are one or two digits followed by a separator: read
            // them whole, without a branch on their length.
            if (end - p >= 3 && k0 == Digit) {
                const std::uint8_t k1 = kClasses[p[1]], k2 = kClasses[p[2]];
                const bool two = (k1 == Digit) & (k2 == Separator);
                if ((k1 == Separator) | two) {
                    const int d0 = p[0] - '0', d1 = p[1] - '0';
                    const int v = two ? d0 * 10 + d1 : d0;
                    if (v <= kHighest)
                        out[written++] = static_cast<std::uint8_t>(v);
                    else
                        endJunk(p, p + 1 + int(two), blockStart, false);
                    p += 2 + int(two); // the token and one separator
                    continue;
                }
            }
            inToken = true;
            tokenStart = p;
            carried = false;
            value = 0;
            junk = false;
        }
        // Any other token, byte by byte.
        while (p < end) {
            const unsigned c = *p;
            const std::uint8_t k = kClasses[c];
            if (k == Separator)
                break;
            if (k == Digit) {
                value = value * 10 + int(c - '0');
                value = value < kTooBig ? value : kTooBig;
            } else {
                junk = true;
            }
            ++p;
        }
        if (p == end)
            break; // the token goes on in the next block
        if (!junk && value <= kHighest)
            out[written++] = static_cast<std::uint8_t>(value);
        else
            endJunk(tokenStart, p, blockStart, carried);
        if (!m_carry.empty())
            m_carry.clear();
        inToken = junk = carried = false;
        value = 0;
    }
    if (inToken && m_junk == 0) {
        if (!carried) {
            if (m_countLines)
                m_tokenOffset = m_offset + std::uint64_t(tokenStart - blockStart);
            else
                m_tokenLine = lineOf(tokenStart, blockStart);
        }
        if (m_carry.size() < kJunkTextLimit)
            m_carry.append(reinterpret_cast<const char *>(tokenStart), size_t(end - tokenStart));
    }
    // Lines matter only until the first token that is no number.
    if (m_junk == 0 && !m_countLines)
        m_line += lineEnds(blockStart, end, m_afterCr);
    m_offset += size;
    m_value = value;
    m_inToken = inToken;
    m_tokenJunk = junk;
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
            endJunk(nullptr, nullptr, nullptr, true);
    }
    m_carry.clear();
    m_inToken = m_tokenJunk = false;
    m_value = 0;
    return written;
}

} // namespace vintaro
