#pragma once

#include <cstdint>

#include "ui/form_controls.h"

namespace ui {

// The marking of result rows by sensor format (code 2, 3 or 4; any other code
// marks nothing). A disabled row is greyed from title to last value.
void EnableAllFormatRows(const FormControls& controls);
void DisableOtherFormatRows(const FormControls& controls, std::int16_t code);
// Sets the angle-of-view and distance values of the other formats to "0", through
// the window's one way of writing a result; the focal-length values stay, greyed.
void ResetOtherFormatRows(optics::CalculatorForm& form, std::int16_t code);

}  // namespace ui
