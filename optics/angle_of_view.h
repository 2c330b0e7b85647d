#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// Per format: W, H, diagonal [m], then the horizontal, vertical and diagonal angles [deg];
// element j - 1 is shown in label j.
using AngleRow = std::array<double, kAngleValueCount>;
using AngleTable = std::array<AngleRow, kFormatCount>;

// The scene side [m] an imager side of imagerSize [mm] sees at distance L [m] behind focal
// length f [mm], unrounded.
double SceneSize(double imagerSize, double f, double L);

// Pure core; f and L must not be 0.
AngleTable ComputeAngleOfView(double f, double L);

// Reads Txt_ang_f and Txt_ang_L and fills the rows; "0" everywhere when either is 0.
void CalcAngleOfView(CalculatorForm& form);

}  // namespace optics
