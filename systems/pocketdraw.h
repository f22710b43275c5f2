#pragma once
// One pocket of the wheel from a 32-bit generator, exactly as pcg32's own
// bounded draw gives it: the values below 2^32 mod 37 are drawn again, the
// rest taken modulo 37. The remainder comes from the fraction of r / 37 in
// 64 fixed-point bits (two multiplications instead of a division by a
// constant): the same pockets in fewer steps.
#include <cstdint>

#include "core/numbermodel.h"

namespace vintaro {

template <typename Generator> int pocketOf(Generator &random)
{
    constexpr std::uint32_t bound = kNumberCount;
    constexpr std::uint32_t threshold = std::uint32_t(-bound) % bound;
    constexpr std::uint64_t fraction = ~std::uint64_t{0} / bound + 1;
    std::uint32_t r = random();
    while (r < threshold) [[unlikely]]
        r = random();
    return int((static_cast<unsigned __int128>(fraction * r) * bound) >> 64);
}

} // namespace vintaro
