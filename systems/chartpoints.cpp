#include "systems/chartpoints.h"

namespace vintaro {

std::vector<std::size_t> columnExtremes(std::span<const double> values, int columns)
{
    const std::size_t n = values.size();
    std::vector<std::size_t> out;
    if (columns < 1 || n <= 2 * std::size_t(columns)) {
        out.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            out[i] = i;
        return out;
    }
    const auto c = std::size_t(columns);
    out.reserve(2 * c + 2);
    out.push_back(0);
    for (std::size_t column = 0; column < c; ++column) {
        const std::size_t begin = column * n / c, end = (column + 1) * n / c;
        std::size_t low = begin, high = begin;
        for (std::size_t i = begin + 1; i < end; ++i) {
            if (values[i] < values[low])
                low = i;
            if (values[i] > values[high])
                high = i;
        }
        for (std::size_t i : {low < high ? low : high, low < high ? high : low})
            if (i != out.back())
                out.push_back(i);
    }
    if (out.back() != n - 1)
        out.push_back(n - 1);
    return out;
}

} // namespace vintaro
