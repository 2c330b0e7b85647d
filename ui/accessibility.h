#pragma once

#include "ui/form_controls.h"

namespace ui {

// Names and descriptions for assistive technology: each entry field says what it
// holds, each result label exposes its value as its name and says which row and
// column it is in as its description, and every container and list is named.
void DescribeForAssistiveTechnology(const FormControls& controls);

}  // namespace ui
