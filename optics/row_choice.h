#pragma once

#include <array>
#include <optional>

#include "optics/sensor_format.h"

namespace optics {

// Which sensor-format rows a calculator writes, by index into kSensorFormats.
struct RowChoice {
  std::array<bool, kFormatCount> writes{};
  bool Writes(int formatIndex) const { return writes[static_cast<std::size_t>(formatIndex)]; }
};

// With no camera or lens chosen every row is written; otherwise only the chosen
// format's row (an index into kSensorFormats).
RowChoice ChooseRows(std::optional<int> chosenFormat);

}  // namespace optics
