#pragma once

#include <array>
#include <string_view>

namespace optics {

// One imager size. The diagonal is stored as the trade quotes it, not derived
// from width and height.
struct SensorFormat {
  std::string_view caption;  // row title of the result tables
  std::string_view code;     // the n of a 1/n type imager, as the selection holds it
  double width;              // mm
  double height;             // mm
  double diagonal;           // mm
};

// In the order every calculator handles the formats: 1/4 type, 1/3 type, 1/2 type.
inline constexpr std::array<SensorFormat, 3> kSensorFormats{{
    {"1/4type", "4", 3.6, 2.7, 4.5},
    {"1/3type", "3", 4.8, 3.6, 6.0},
    {"1/2type", "2", 6.4, 4.8, 8.0},
}};

inline constexpr int kFormatCount = static_cast<int>(kSensorFormats.size());

// Index into kSensorFormats of the format with sensor-format code n (2, 3 or 4),
// or -1 for any other code.
constexpr int FormatIndexOfCode(int code) {
  switch (code) {
    case 4:
      return 0;
    case 3:
      return 1;
    case 2:
      return 2;
    default:
      return -1;
  }
}

// The fixed 4 : 3 aspect of every imager, used to turn a height into a width and back.
inline constexpr double kHeightPerWidth = 0.75;

}  // namespace optics
