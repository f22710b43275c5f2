#pragma once
// Spins brought from elsewhere: one small reader per kind of file, each
// behind this interface. The text comes to a reader line by line, already in
// UTF-8 whatever the file's encoding (persistence/spinimport.h decodes it),
// and the reader says for every line which spins it holds, or why it holds
// none.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vintaro {

// Why a line gave no spin.
enum class SkipReason {
    NotANumber, // a text that is no whole number ("12.5", "x", "2024-01-05")
    OutOfRange, // a whole number above 36
    Header,     // the header row of a table
    NoColumn,   // the chosen column is missing from the line
};
inline constexpr int kSkipReasonCount = 4;

// What the lines of a file gave.
struct ImportedSpins
{
    std::vector<std::uint8_t> spins; // in the order of the file
    std::int64_t lines = 0;          // lines read, empty ones too
    std::array<std::int64_t, kSkipReasonCount> skipped{};      // lines, per reason
    std::array<std::int64_t, kSkipReasonCount> firstSkipped{}; // the first such line (from 1), 0 when none
    bool columnMissing = false; // no column of the header has the chosen name

    void skip(SkipReason reason, std::int64_t line)
    {
        const auto k = static_cast<std::size_t>(reason);
        if (skipped[k]++ == 0)
            firstSkipped[k] = line;
    }
    std::int64_t skippedLines() const
    {
        std::int64_t sum = 0;
        for (const std::int64_t n : skipped)
            sum += n;
        return sum;
    }
};

class SpinLineReader
{
public:
    virtual ~SpinLineReader() = default;
    // One line of the text without its line end, numbered from 1.
    virtual void line(std::string_view text, std::int64_t number, ImportedSpins &out) = 0;
};

// The reason a token that is no spin gives: digits alone are a number out of
// range, anything else is no number.
SkipReason tokenReason(std::string_view token);

} // namespace vintaro
