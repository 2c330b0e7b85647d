#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Object distance L [m] per format (index into kSensorFormats) for focal length f
// [mm] and scene width W [m].
std::array<double, kFormatCount> ComputeDistances(double f, double W);

// Reads Txt_L_W, Txt_L_f and Txt_L_H, writes the partner size and the distance rows.
void CalcDistance(CalculatorForm& form);

}  // namespace optics
