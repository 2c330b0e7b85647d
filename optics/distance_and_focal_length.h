#pragma once

#include <array>

#include "optics/calculator_form.h"
#include "optics/sensor_format.h"

namespace optics {

// The object-distance and focal-length calculators, which share one rule: a typed scene
// width gets its 4 : 3 partner height, a typed height its width, rounded to 0.1 m.
double PartnerHeight(double width);
double PartnerWidth(double height);

// Object distance L [m] per format (index into kSensorFormats) for focal length f [mm]
// and scene width W [m].
std::array<double, kFormatCount> ComputeDistances(double f, double W);

// Focal length f [mm] per format that shows a scene of width W [m] at distance L [m].
// W must not be 0.
std::array<double, kFormatCount> ComputeFocalLengths(double W, double L);

// Each reads its fields, writes the partner size and fills its result rows.
void CalcDistance(CalculatorForm& form);     // Txt_L_W, Txt_L_f, Txt_L_H
void CalcFocalLength(CalculatorForm& form);  // TxtWandL_W, TxtWandL_H, TxtWandL_L

}  // namespace optics
