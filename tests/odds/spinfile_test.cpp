// The analysis of a spin file: streamed block by block into the tally, and
// stopped when asked.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "odds/spinfile.h"

namespace vintaro {
namespace {

TEST(SpinFile, StreamsAFileAndStopsWhenAsked)
{
    const std::string path = testing::TempDir() + "odds_spins.txt";
    {
        std::ofstream f(path, std::ios::binary);
        for (int i = 0; i < 600000; ++i) // 2.4 MB: three blocks
            f << (i % 37) << "\r\n";
        f << "x\r\n";
    }
    std::vector<std::uint64_t> seen;
    const SpinFileAnalysis done = analyseSpinFile(path, InputKind::RegularFile, [&seen](std::uint64_t d, std::uint64_t) {
        seen.push_back(d);
        return true;
    });
    EXPECT_EQ(done.status, SpinFileAnalysis::Status::Done);
    EXPECT_EQ(done.tally.total(), 600000);
    EXPECT_EQ(done.tally.counts()[36], 600000 / 37);
    EXPECT_EQ(done.junk, 1);
    EXPECT_EQ(done.firstJunkLine, 600001);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen.back(), done.bytes);

    const SpinFileAnalysis stopped = analyseSpinFile(path, InputKind::RegularFile, [](std::uint64_t, std::uint64_t) { return false; });
    EXPECT_EQ(stopped.status, SpinFileAnalysis::Status::Cancelled);
    EXPECT_EQ(stopped.bytes, kAnalysisBlock);

    EXPECT_EQ(analyseSpinFile(path + ".missing", InputKind::RegularFile).status, SpinFileAnalysis::Status::Unreadable);
    EXPECT_EQ(analyseSpinFile(testing::TempDir(), InputKind::FileOrStream).status, SpinFileAnalysis::Status::Unreadable);
    std::remove(path.c_str());
}

} // namespace
} // namespace vintaro
