#include "optics/partner_value.h"

#include <string_view>

#include "optics/number_text.h"
#include "optics/rounding.h"
#include "optics/sensor_format.h"

namespace optics {
namespace {

std::string_view FieldName(Field field) {
  switch (field) {
    case Field::Txt_L_W:
      return "Txt_L_W";
    case Field::Txt_L_H:
      return "Txt_L_H";
    case Field::TxtWandL_W:
      return "TxtWandL_W";
    case Field::TxtWandL_H:
      return "TxtWandL_H";
    default:
      return {};
  }
}

}  // namespace

double PartnerHeight(double width) { return RoundTo(width * kHeightPerWidth, 1); }

double PartnerWidth(double height) { return RoundTo(height * 4 / 3, 1); }

SceneSize ApplyPartnerRule(CalculatorForm& form, Field widthField, Field heightField,
                           SceneSize typed) {
  SceneSize size = typed;
  const std::string last = form.LastSizeBox();
  if (last == FieldName(widthField) && size.width >= 0) {
    size.height = PartnerHeight(size.width);
    form.SetPartnerText(heightField, FormatShortest(size.height));
  }
  if (last == FieldName(heightField) && size.height >= 0) {
    size.width = PartnerWidth(size.height);
    form.SetPartnerText(widthField, FormatShortest(size.width));
  }
  return size;
}

}  // namespace optics
