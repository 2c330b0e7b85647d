#include "optics/rounding.h"

#include <cmath>

namespace optics {

double RoundTo(double x, std::int16_t n) {
  const double p = std::pow(10.0, n);
  const double r = x > 0 ? std::floor(x * p + 0.5) : std::trunc(x * p - 0.5);
  return r / p;
}

}  // namespace optics
