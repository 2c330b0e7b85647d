#include "optics/calculator_form.h"

#include <array>

namespace optics {

std::string_view FieldName(Field field) {
  static constexpr std::array<std::string_view, 12> kNames = {
      "Txt_ang_f",  "Txt_ang_L",  "Txt_L_f",
      "Txt_L_W",    "Txt_L_H",    "TxtWandL_W",
      "TxtWandL_H", "TxtWandL_L", "Txtillumination_M0",
      "Txt_F0",     "Txt_F1",     "Txtillumination_M1",
  };
  return kNames[static_cast<std::size_t>(field)];
}

}  // namespace optics
