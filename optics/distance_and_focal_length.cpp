#include "optics/distance_and_focal_length.h"

#include "optics/number_text.h"
#include "optics/value_rows.h"

namespace optics {
namespace {

struct Scene {
  double width;
  double height;
};

// When the size field typed into last is this calculator's width or height (and not
// negative), derives the other one and writes it. The write runs the calculator again,
// nested; that run derives the same text, which is no change, and so the exchange ends.
Scene ApplyPartnerRule(CalculatorForm& form, Field widthField, Field heightField, Scene typed) {
  Scene size = typed;
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

// One value per format from its imager width [mm], rounded to 0.1.
template <typename ValueOfImagerWidth>
std::array<double, kFormatCount> PerFormat(ValueOfImagerWidth valueOf) {
  std::array<double, kFormatCount> values{};
  for (std::size_t i = 0; i < kSensorFormats.size(); ++i) {
    values[i] = RoundTo(valueOf(kSensorFormats[i].width), 1);
  }
  return values;
}

}  // namespace

double PartnerHeight(double width) { return RoundTo(width * kHeightPerWidth, 1); }

double PartnerWidth(double height) { return RoundTo(height * 4 / 3, 1); }

std::array<double, kFormatCount> ComputeDistances(double f, double W) {
  return PerFormat([=](double imagerWidth) { return f / imagerWidth * W; });
}

std::array<double, kFormatCount> ComputeFocalLengths(double W, double L) {
  return PerFormat([=](double imagerWidth) { return imagerWidth / W * L; });
}

void CalcDistance(CalculatorForm& form) {
  const double typedWidth = ReadField(form.Text(Field::Txt_L_W));
  const double f = ReadField(form.Text(Field::Txt_L_f));
  const double typedHeight = ReadField(form.Text(Field::Txt_L_H));
  const Scene size =
      ApplyPartnerRule(form, Field::Txt_L_W, Field::Txt_L_H, {typedWidth, typedHeight});

  std::array<double, kFormatCount> distances{};
  if ((size.width > 0 || size.height > 0) && !form.Text(Field::Txt_L_W).empty()) {
    distances = ComputeDistances(f, size.width);
  }
  ShowOneValuePerRow(form, ResultTable::Distance, distances);
}

void CalcFocalLength(CalculatorForm& form) {
  const double typedWidth = ReadField(form.Text(Field::TxtWandL_W));
  const double typedHeight = ReadField(form.Text(Field::TxtWandL_H));
  const Scene size =
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
