#include "optics/row_choice.h"

namespace optics {

RowChoice ChooseRows(std::optional<int> chosenFormat) {
  RowChoice choice;
  for (int i = 0; i < kFormatCount; ++i) {
    choice.writes[static_cast<std::size_t>(i)] = !chosenFormat || *chosenFormat == i;
  }
  return choice;
}

}  // namespace optics
