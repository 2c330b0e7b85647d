#pragma once
// The benches' one reading of a sample: the value at a fraction of the sorted
// sample, nearest rank below.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

inline double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

}  // namespace bench
