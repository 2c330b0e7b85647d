#pragma once

#include <cstdint>

namespace optics {

// x rounded to n decimal places, halves away from zero, with exactly the double
// operations installers' tables were made with: no correction for decimals that a
// double cannot hold (so the result may differ from a decimal-exact rounding).
double RoundTo(double x, std::int16_t n);

}  // namespace optics
