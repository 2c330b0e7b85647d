#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Writes one value per sensor-format row ("##0.0" into element 1) of a table with a
// single value column, only into the rows the selected format allows.
void ShowOneValuePerRow(CalculatorForm& form, ResultTable table,
                        const std::array<double, kFormatCount>& values);

}  // namespace optics
