#pragma once
// Analyses a spin file of any length as a stream: block by block through the
// tokenizer into a tally, so that memory does not grow with the file.
#include <cstdint>
#include <functional>
#include <string>

#include "odds/tally.h"

namespace vintaro {

struct SpinFileAnalysis
{
    enum class Status { Done, Cancelled, Unreadable };
    Status status = Status::Done;
    std::string error; // Unreadable: why, in the system's words
    SpinTally tally;
    std::int64_t junk = 0;          // tokens that are not a number 0..36
    std::int64_t firstJunkLine = 0; // 0 when none
    std::string firstJunkText;      // its bytes as in the file
    std::uint64_t bytes = 0;        // read
};

// Called after every block with the bytes read and the file's size; false
// stops the analysis (Status::Cancelled).
using AnalysisProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

inline constexpr std::size_t kAnalysisBlock = std::size_t{1} << 20;

SpinFileAnalysis analyseSpinFile(const std::string &path, const AnalysisProgress &progress = {});

} // namespace vintaro
