#pragma once
// A real main window over a temporary program folder, for benchmarks.
#include <QTemporaryDir>

#include <cstdint>
#include <memory>
#include <vector>

#include "tests/support/fakeplatform.h"
#include "mainwindow/form1.h"

namespace vintaro::bench {

// A reproducible history of `count` spins, every number 0..36 present.
std::vector<std::int16_t> sampleSpins(int count);

struct BenchWindow
{
    BenchWindow();
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<Form1> window;
    test::FakePlatform *platform = nullptr;

    // Writes `spins` as the working list and runs Start.
    void load(const std::vector<std::int16_t> &spins);
};

} // namespace vintaro::bench
