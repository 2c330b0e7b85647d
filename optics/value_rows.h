#pragma once

#include <array>
#include <optional>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Which sensor-format rows a calculator writes, by index into kSensorFormats.
struct RowChoice {
  std::array<bool, kFormatCount> writes{};
  bool Writes(int formatIndex) const { return writes[static_cast<std::size_t>(formatIndex)]; }
};

// Every row while no camera or lens is chosen, else only the chosen format's row.
RowChoice ChooseRows(std::optional<int> chosenFormat);

// Writes one "##0.0" value into element 1 of each row of a single-value table, in the
// rows ChooseRows allows for the chosen format.
void ShowOneValuePerRow(CalculatorForm& form, ResultTable table,
                        const std::array<double, kFormatCount>& values);

}  // namespace optics
