#include "statistics.h"

#include <algorithm>
#include <cstdint>

namespace vintaro {

namespace {

// Sixteen lanes, two of them unused, so that the compiler can keep the
// per-spin update of all rows in vector registers.
constexpr int kLanes = 16;
using Lanes = std::array<std::int32_t, kLanes>;

struct HitLanes
{
    std::array<Lanes, kNumberCount + 1> lanes{}; // last entry: a miss for every row
    HitLanes()
    {
        for (int x = 0; x < kNumberCount; ++x)
            for (int r = 0; r < kRowCount; ++r)
                lanes[x][r] = (rowMask(x) >> r) & 1;
    }
};

const HitLanes &hitLanes()
{
    static const HitLanes table;
    return table;
}

} // namespace

RowFigures statisticsPass(const SpinHistory &history, int n, LastPositions &lastPositions)
{
    Lanes hits{}, current{}, longest{};
    const auto &table = hitLanes().lanes;

    n = std::clamp(n, 0, history.count());
    const std::int16_t *spins = history.data();
    for (int i = 1; i <= n; ++i) {
        const int x = spins[i];
        int laneIndex = kNumberCount; // 0 and out-of-range values miss every row
        if (x >= 1 && x <= kHighestNumber) {
            lastPositions[x] = i;
            laneIndex = x;
        }
        const Lanes &hit = table[laneIndex];
        for (int r = 0; r < kLanes; ++r) {
            hits[r] += hit[r];
            current[r] = hit[r] ? 0 : current[r] + 1;
            longest[r] = std::max(longest[r], current[r]);
        }
    }

    RowFigures out;
    for (int r = 0; r < kRowCount; ++r)
        out[r] = {hits[r], current[r], longest[r]};
    return out;
}

} // namespace vintaro
