#include "odds/spinfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <sys/stat.h>

#include "odds/spintokenizer.h"

namespace vintaro {

namespace {

struct FileCloser
{
    void operator()(std::FILE *f) const { std::fclose(f); }
};

} // namespace

SpinFileAnalysis analyseSpinFile(const std::string &path, const AnalysisProgress &progress)
{
    SpinFileAnalysis result;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    struct stat info {};
    if (!file || fstat(fileno(file.get()), &info) != 0 || S_ISDIR(info.st_mode)) {
        result.status = SpinFileAnalysis::Status::Unreadable;
        result.error = std::strerror(file && S_ISDIR(info.st_mode) ? EISDIR : errno);
        return result;
    }
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    const auto total = static_cast<std::uint64_t>(info.st_size);

    std::unique_ptr<unsigned char[]> block(new unsigned char[kAnalysisBlock]);
    std::unique_ptr<std::uint8_t[]> spins(new std::uint8_t[kAnalysisBlock + 1]);
    SpinTokenizer tokenizer;
    for (;;) {
        const std::size_t got = std::fread(block.get(), 1, kAnalysisBlock, file.get());
        if (got == 0) {
            if (std::ferror(file.get())) {
                result.status = SpinFileAnalysis::Status::Unreadable;
                result.error = std::strerror(errno);
                return result;
            }
            break;
        }
        result.bytes += got;
        const std::size_t count = tokenizer.feed(block.get(), got, spins.get());
        result.tally.add(std::span<const std::uint8_t>(spins.get(), count));
        if (progress && !progress(result.bytes, std::max(total, result.bytes))) {
            result.status = SpinFileAnalysis::Status::Cancelled;
            return result;
        }
    }
    const std::size_t count = tokenizer.finish(spins.get());
    result.tally.add(std::span<const std::uint8_t>(spins.get(), count));
    result.junk = tokenizer.junk();
    result.firstJunkLine = tokenizer.firstJunkLine();
    result.firstJunkText = tokenizer.firstJunkText();
    return result;
}

} // namespace vintaro
