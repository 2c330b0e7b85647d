#include "optics/illumination.h"

#include <cmath>

#include "optics/number_text.h"

namespace optics {

std::string IlluminationText(std::string_view m0, std::string_view f0, std::string_view f1) {
  static const std::string kNull = "NULL";
  const auto M0 = ParseDecimal(m0);
  const auto F0 = ParseDecimal(f0);
  const auto F1 = ParseDecimal(f1);
  if (!M0 || !F0 || !F1) return kNull;
  // A division by zero does not trap: a zero F-number gives a result that is not finite.
  const double M1 = RoundTo(*F1 / *F0 * (*F1 / *F0) * *M0, 2);
  return std::isfinite(M1) ? FormatTwoDecimals(M1) : kNull;
}

void CalcIllumination(CalculatorForm& form) {
  form.SetText(Field::Txtillumination_M1,
               IlluminationText(form.Text(Field::Txtillumination_M0), form.Text(Field::Txt_F0),
                                form.Text(Field::Txt_F1)));
}

}  // namespace optics
