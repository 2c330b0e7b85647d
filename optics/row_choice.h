#pragma once

#include <array>
#include <string_view>

#include "optics/sensor_format.h"

namespace optics {

// Which sensor-format rows a calculator writes, by index into kSensorFormats.
struct RowChoice {
  std::array<bool, kFormatCount> writes{};
  bool Writes(int formatIndex) const { return writes[static_cast<std::size_t>(formatIndex)]; }
};

// With no camera or lens chosen (a code whose leading number is not above 1) every
// row is written; otherwise only the row whose code equals the text, if any.
RowChoice ChooseRows(std::string_view selectedCode);

}  // namespace optics
