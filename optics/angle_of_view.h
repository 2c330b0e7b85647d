#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Per format (index into kSensorFormats): W, H, diagonal [m], then the horizontal,
// vertical and diagonal angles of view [deg]. Element j - 1 is shown in label j.
using AngleRow = std::array<double, kAngleValueCount>;
using AngleTable = std::array<AngleRow, kFormatCount>;

// The width, height or diagonal [m] of the scene that an imager side of imagerSize
// [mm] sees at distance L [m] behind focal length f [mm], before any rounding.
double SceneSize(double imagerSize, double f, double L);

// Pure core; f and L must not be 0.
AngleTable ComputeAngleOfView(double f, double L);

// Reads Txt_ang_f and Txt_ang_L and fills the angle-of-view rows; "0" everywhere
// when either input is 0.
void CalcAngleOfView(CalculatorForm& form);

}  // namespace optics
