#pragma once

#include <string>
#include <string_view>

#include "optics/calculator_form.h"

namespace optics {

// M0 lux at F0 restated for F1, M0 x (F1 / F0)^2, as "##0.00"; "NULL" when an input is
// not a number or the result is not finite.
std::string IlluminationText(std::string_view m0, std::string_view f0, std::string_view f1);

// Reads Txtillumination_M0, Txt_F0 and Txt_F1 and writes Txtillumination_M1.
void CalcIllumination(CalculatorForm& form);

}  // namespace optics
