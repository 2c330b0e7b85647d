#include "optics/angle_of_view.h"

#include <cmath>

#include "optics/number_text.h"
#include "optics/value_rows.h"

namespace optics {
namespace {

// The angle is taken from the scene size already rounded to 0.1 m, with the
// four-decimal circle constant the published tables use.
double ViewAngle(double sceneSize, double L) {
  const double a = RoundTo(std::atan(sceneSize / 2 / L), 3);
  return RoundTo(a * 180 / 3.1415 * 2, 1);
}

}  // namespace

double SceneSize(double imagerSize, double f, double L) { return imagerSize / f * L; }

AngleTable ComputeAngleOfView(double f, double L) {
  AngleTable table{};
  for (std::size_t i = 0; i < kSensorFormats.size(); ++i) {
    const SensorFormat& format = kSensorFormats[i];
    const double w = RoundTo(SceneSize(format.width, f, L), 1);
    const double h = RoundTo(SceneSize(format.height, f, L), 1);
    const double d = RoundTo(SceneSize(format.diagonal, f, L), 1);
    table[i] = {w, h, d, ViewAngle(w, L), ViewAngle(h, L), ViewAngle(d, L)};
  }
  return table;
}

void CalcAngleOfView(CalculatorForm& form) {
  const double f = ReadField(form.Text(Field::Txt_ang_f));
  const double L = ReadField(form.Text(Field::Txt_ang_L));
  // Either input 0 puts "0" into every row, whatever format is chosen.
  const bool reset = f == 0 || L == 0;
  const AngleTable table = reset ? AngleTable{} : ComputeAngleOfView(f, L);
  const RowChoice rows = ChooseRows(reset ? std::nullopt : form.SelCcd());
  for (int element = 1; element <= kAngleValueCount; ++element) {
    for (int format = 0; format < kFormatCount; ++format) {
      if (!rows.Writes(format)) continue;
      const double value =
          table[static_cast<std::size_t>(format)][static_cast<std::size_t>(element - 1)];
      form.SetCaption({ResultTable::AngleOfView, format, element},
                      reset ? "0" : FormatOneDecimal(value), value);
    }
  }
}

}  // namespace optics
