#pragma once
// A plain list: one or many numbers a line, separated by blanks, tabs,
// commas or semicolons (the separators of the analysis reader, whose
// tokenizer reads it). A line that holds anything but spins is skipped
// whole: "17 (piros)" or "2024-01-05 17" is never guessed at.
#include <vector>

#include "persistence/spinlinereader.h"

namespace vintaro {

class PlainListReader : public SpinLineReader
{
public:
    void line(std::string_view text, std::int64_t number, ImportedSpins &out) override;

private:
    std::vector<std::uint8_t> m_buffer;
};

} // namespace vintaro
