#pragma once
// Splits the bytes of a spin file into numbers: one number 0..36 per token,
// tokens separated by line ends, commas, semicolons, blanks or tabs. The file
// may be Windows-1250 or UTF-8, with or without a byte order mark: separators
// and digits are ASCII in both, so every other byte is simply part of a token
// that is not a number. Such tokens are skipped and counted. Bytes come in
// blocks of any size; a token may straddle two blocks.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace vintaro {

class SpinTokenizer
{
public:
    // Writes the numbers of `size` bytes to `out` (room for size + 1 needed)
    // and returns how many it wrote.
    std::size_t feed(const unsigned char *data, std::size_t size, std::uint8_t *out);
    // The end of the file ends the last token; returns 0 or 1 numbers.
    std::size_t finish(std::uint8_t *out);

    std::int64_t junk() const { return m_junk; }
    // Line (from 1) of the first token that is not a number; 0 when none.
    std::int64_t firstJunkLine() const { return m_firstJunkLine; }
    // Its bytes as they stand in the file (at most kJunkTextLimit of them).
    const std::string &firstJunkText() const { return m_firstJunkText; }

    static constexpr std::size_t kJunkTextLimit = 40;

    // Counts the lines before a byte offset of the input, 1 for the start.
    using LineCounter = std::function<std::int64_t(std::uint64_t offset)>;
    // Given before the first block, for input that can be read again: lines
    // are counted only when a token turns out to be no number, instead of in
    // every block until then.
    void countLinesWith(LineCounter counter) { m_countLines = std::move(counter); }
    // Line ends in [b, e): CR LF, LF or CR alone each end one line.
    // `afterCr`: the byte before b was a CR; on return, the last byte is one.
    static std::int64_t lineEnds(const unsigned char *b, const unsigned char *e, bool &afterCr);

private:
    void endJunk(const unsigned char *tokenStart, const unsigned char *tokenEnd, const unsigned char *blockStart,
                 bool carried);
    void token(const unsigned char *s, const unsigned char *e, std::uint8_t *out, std::size_t &written,
               const unsigned char *blockStart);
    const unsigned char *chunks(const unsigned char *p, const unsigned char *end, std::uint8_t *out,
                                std::size_t &written, const unsigned char *blockStart);
    std::int64_t lineOf(const unsigned char *tokenStart, const unsigned char *blockStart);

    LineCounter m_countLines;
    std::uint64_t m_offset = 0;      // of the block's start in the input
    std::uint64_t m_tokenOffset = 0; // of a token carried over, when lines are counted later
    std::int64_t m_line = 1;      // at the start of the block (counted until the first junk)
    std::int64_t m_tokenLine = 1; // of a token carried over from an earlier block
    int m_value = 0;
    bool m_inToken = false;
    bool m_tokenJunk = false;
    bool m_afterCr = false;
    int m_bomMatched = 0; // bytes of the UTF-8 byte order mark seen so far; -1 once past
    std::int64_t m_junk = 0;
    std::int64_t m_firstJunkLine = 0;
    std::string m_firstJunkText;
    std::string m_carry; // the start of a token begun in an earlier block, while no junk is known yet
};

} // namespace vintaro
