#pragma once
// Spin histories written out in a test.
#include <initializer_list>

#include "core/spinhistory.h"

namespace vintaro::test {

inline SpinHistory historyOf(std::initializer_list<int> spins)
{
    SpinHistory h;
    for (int n : spins)
        h.push(n);
    return h;
}

} // namespace vintaro::test
