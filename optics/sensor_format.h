#pragma once

#include <array>
#include <string_view>

namespace optics {

// One imager size; the diagonal is the trade's figure, not derived from width and height.
struct SensorFormat {
  std::string_view caption;  // row title of the result tables
  std::string_view code;     // the n of a 1/n type imager, as the selection holds it
  double width;              // mm
  double height;             // mm
  double diagonal;           // mm
};

// In the order every calculator handles them.
inline constexpr std::array<SensorFormat, 3> kSensorFormats{{
    {"1/4type", "4", 3.6, 2.7, 4.5},
    {"1/3type", "3", 4.8, 3.6, 6.0},
    {"1/2type", "2", 6.4, 4.8, 8.0},
}};

inline constexpr int kFormatCount = static_cast<int>(kSensorFormats.size());

// Index into kSensorFormats of the format with code n (2, 3 or 4), or -1 for any other.
constexpr int FormatIndexOfCode(int code) {
  for (int i = 0; i < kFormatCount; ++i) {
    const std::string_view text = kSensorFormats[static_cast<std::size_t>(i)].code;
    if (text.size() == 1 && text[0] - '0' == code) return i;
  }
  return -1;
}

// The 4 : 3 aspect of every imager.
inline constexpr double kHeightPerWidth = 0.75;

}  // namespace optics
