#include "optics/partner_value.h"

#include "optics/number_text.h"
#include "optics/rounding.h"
#include "optics/sensor_format.h"

namespace optics {

double PartnerHeight(double width) { return RoundTo(width * kHeightPerWidth, 1); }

double PartnerWidth(double height) { return RoundTo(height * 4 / 3, 1); }

SceneSize ApplyPartnerRule(CalculatorForm& form, Field widthField, Field heightField,
                           SceneSize typed) {
  SceneSize size = typed;
  const std::optional<Field> last = form.LastSizeBox();
  if (last == widthField && size.width >= 0) {
    size.height = PartnerHeight(size.width);
    form.SetPartnerText(heightField, FormatShortest(size.height));
  }
  if (last == heightField && size.height >= 0) {
    size.width = PartnerWidth(size.height);
    form.SetPartnerText(widthField, FormatShortest(size.width));
  }
  return size;
}

}  // namespace optics
