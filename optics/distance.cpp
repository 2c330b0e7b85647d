#include "optics/distance.h"

#include "optics/number_text.h"
#include "optics/partner_value.h"
#include "optics/rounding.h"
#include "optics/value_rows.h"

namespace optics {

std::array<double, kFormatCount> ComputeDistances(double f, double W) {
  std::array<double, kFormatCount> distances{};
  for (std::size_t i = 0; i < kSensorFormats.size(); ++i) {
    distances[i] = RoundTo(f / kSensorFormats[i].width * W, 1);
  }
  return distances;
}

void CalcDistance(CalculatorForm& form) {
  const double typedWidth = ReadField(form.Text(Field::Txt_L_W));
  const double f = ReadField(form.Text(Field::Txt_L_f));
  const double typedHeight = ReadField(form.Text(Field::Txt_L_H));
  const SceneSize size =
      ApplyPartnerRule(form, Field::Txt_L_W, Field::Txt_L_H, {typedWidth, typedHeight});

  std::array<double, kFormatCount> distances{};
  if ((size.width > 0 || size.height > 0) && !form.Text(Field::Txt_L_W).empty()) {
    distances = ComputeDistances(f, size.width);
  }
  ShowOneValuePerRow(form, ResultTable::Distance, distances);
}

}  // namespace optics
