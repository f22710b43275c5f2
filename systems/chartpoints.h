#pragma once
// Which points of a long line a chart draws: in each pixel column only the
// lowest and the highest value (in their order), so that the drawn line keeps
// every peak and trough of the full line at a fraction of its points.
#include <cstddef>
#include <span>
#include <vector>

namespace vintaro {

// Indexes of `values` to draw across `columns` columns, ascending: all of them
// when there are at most two per column; otherwise the first, the lowest and
// highest of each column, and the last.
std::vector<std::size_t> columnExtremes(std::span<const double> values, int columns);

} // namespace vintaro
