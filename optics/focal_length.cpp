#include "optics/focal_length.h"

#include "optics/number_text.h"
#include "optics/partner_value.h"
#include "optics/rounding.h"
#include "optics/value_rows.h"

namespace optics {

std::array<double, kFormatCount> ComputeFocalLengths(double W, double L) {
  std::array<double, kFormatCount> focalLengths{};
  for (std::size_t i = 0; i < kSensorFormats.size(); ++i) {
    focalLengths[i] = RoundTo(kSensorFormats[i].width / W * L, 1);
  }
  return focalLengths;
}

void CalcFocalLength(CalculatorForm& form) {
  const double typedWidth = ReadField(form.Text(Field::TxtWandL_W));
  const double typedHeight = ReadField(form.Text(Field::TxtWandL_H));
  const SceneSize size =
      ApplyPartnerRule(form, Field::TxtWandL_W, Field::TxtWandL_H, {typedWidth, typedHeight});

  // A height below 0.0375 m gives a partner width that rounds to 0: W is a divisor
  // here, so such a width counts as not computed rather than dividing by zero.
  std::array<double, kFormatCount> focalLengths{};
  const std::string distanceText = form.Text(Field::TxtWandL_L);
  if ((size.width > 0 || size.height > 0) && !distanceText.empty() && size.width != 0) {
    focalLengths = ComputeFocalLengths(size.width, ReadField(distanceText));
  }
  ShowOneValuePerRow(form, ResultTable::FocalLength, focalLengths);
}

}  // namespace optics
