#include "optics/row_choice.h"

#include "optics/number_text.h"

namespace optics {

RowChoice ChooseRows(std::string_view selectedCode) {
  RowChoice choice;
  const bool nothingChosen = !(LeadingNumber(selectedCode) > 1);
  for (int i = 0; i < kFormatCount; ++i) {
    choice.writes[static_cast<std::size_t>(i)] =
        nothingChosen || kSensorFormats[static_cast<std::size_t>(i)].code == selectedCode;
  }
  return choice;
}

}  // namespace optics
