#include "optics/value_rows.h"

#include "optics/number_text.h"

namespace optics {

RowChoice ChooseRows(std::optional<int> chosenFormat) {
  RowChoice choice;
  for (int i = 0; i < kFormatCount; ++i) {
    choice.writes[static_cast<std::size_t>(i)] = !chosenFormat || *chosenFormat == i;
  }
  return choice;
}

void ShowOneValuePerRow(CalculatorForm& form, ResultTable table,
                        const std::array<double, kFormatCount>& values) {
  const RowChoice rows = ChooseRows(form.SelCcd());
  for (int format = 0; format < kFormatCount; ++format) {
    if (!rows.Writes(format)) continue;
    const double value = values[static_cast<std::size_t>(format)];
    form.SetCaption({table, format, 1}, FormatOneDecimal(value), value);
  }
}

}  // namespace optics
