#include "ui/result_rows.h"

#include "ui/fitted_label.h"

namespace ui {
namespace {

using optics::ResultTable;

// Each format but the one of `code`; none for an unknown code.
template <typename Action>
void ForOtherFormats(std::int16_t code, Action action) {
  const int chosen = optics::FormatIndexOfCode(code);
  if (chosen < 0) return;
  for (int format = 0; format < optics::kFormatCount; ++format) {
    if (format != chosen) action(format);
  }
}

void SetRowEnabled(const FormControls& controls, int format, bool enabled) {
  for (ResultTable table : optics::kResultTables) {
    for (int element = 0; element <= optics::ValueCount(table); ++element) {
      controls.Result({table, format, element}).setEnabled(enabled);
    }
  }
}

}  // namespace

void EnableAllFormatRows(const FormControls& controls) {
  for (int format = 0; format < optics::kFormatCount; ++format) {
    SetRowEnabled(controls, format, true);
  }
}

void DisableOtherFormatRows(const FormControls& controls, std::int16_t code) {
  ForOtherFormats(code, [&](int format) { SetRowEnabled(controls, format, false); });
}

void ResetOtherFormatRows(optics::CalculatorForm& form, std::int16_t code) {
  ForOtherFormats(code, [&](int format) {
    for (ResultTable table : {ResultTable::AngleOfView, ResultTable::Distance}) {
      for (int element = 1; element <= optics::ValueCount(table); ++element) {
        form.SetCaption({table, format, element}, "0", 0);
      }
    }
  });
}

}  // namespace ui
