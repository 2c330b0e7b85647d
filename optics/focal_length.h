#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Focal length f [mm] per format (index into kSensorFormats) that shows a scene of
// width W [m] at distance L [m]. W must not be 0.
std::array<double, kFormatCount> ComputeFocalLengths(double W, double L);

// Reads TxtWandL_W, TxtWandL_H and TxtWandL_L, writes the partner size and the
// focal-length rows.
void CalcFocalLength(CalculatorForm& form);

}  // namespace optics
