#include "core/statistics.h"

#include <algorithm>
#include <cstdint>

namespace vintaro {

namespace {

// Sixteen 16-bit lanes, two of them unused, so that the per-spin update of all
// rows stays in vector registers. Absences fit: the history holds at most
// 32 736 spins.
constexpr int kLanes = 16;
using Lanes = std::array<std::int16_t, kLanes>;
// GCC and Clang vector extension: one 16-lane register (two on SSE2).
typedef std::int16_t Vector __attribute__((vector_size(32)));

struct KeepTable
{
    // keep[x][r] is all ones when a spin of x misses row r (the absence goes
    // on) and zero when it hits (the absence restarts). The last entry misses
    // every row: 0 and any value outside 0..36 use it.
    std::array<Lanes, kNumberCount + 1> keep{};
    KeepTable()
    {
        for (int x = 0; x <= kNumberCount; ++x)
            for (int r = 0; r < kLanes; ++r)
                keep[x][r] = (x < kNumberCount && ((rowMask(x) >> r) & 1)) ? 0 : -1;
    }
};

const KeepTable &keepTable()
{
    static const KeepTable table;
    return table;
}

} // namespace

RowFigures statisticsPass(const SpinHistory &history, int n, LastPositions &lastPositions)
{
    Vector current{};
    Vector longest{};
    const Vector one = current + 1;
    std::array<int, kNumberCount + 1> spinsOf{};
    std::array<Vector, kNumberCount + 1> keep;
    for (int x = 0; x <= kNumberCount; ++x)
        __builtin_memcpy(&keep[x], keepTable().keep[x].data(), sizeof(Vector));

    n = std::clamp(n, 0, history.count());
    const std::span<const std::int16_t> spins = history.spins().first(static_cast<size_t>(n));
    int i = 0;
    for (const int x : spins) {
        ++i;
        int entry = kNumberCount; // 0 and out-of-range values miss every row
        if (x >= 1 && x <= kHighestNumber) {
            lastPositions[x] = i;
            entry = x;
        }
        ++spinsOf[entry];
        current = (current + one) & keep[entry];
        longest = longest > current ? longest : current;
    }

    RowFigures out;
    for (int r = 0; r < kRowCount; ++r) {
        int hits = 0;
        for (int x = 1; x <= kHighestNumber; ++x)
            if ((rowMask(x) >> r) & 1)
                hits += spinsOf[x];
        out[r] = {hits, current[r], longest[r]};
    }
    return out;
}

} // namespace vintaro
