#include "odds/spinfile.h"

namespace vintaro {

SpinFileAnalysis analyseSpinFile(const std::string &path, InputKind kind, const AnalysisProgress &progress)
{
    SpinFileAnalysis result;
    static_cast<SpinFileRead &>(result) = readSpinFile(
        path, kind, [&result](std::span<const std::uint8_t> spins) { result.tally.add(spins); }, progress);
    return result;
}

} // namespace vintaro
