#pragma once

#include <QFont>

#include "ui/control_table.h"

namespace ui {

// Registers metric-compatible faces for the window's Windows fonts, so that the layout
// keeps its proportions elsewhere. Call once, before the window is built.
void RegisterFontSubstitutes();

// A role's font, in the designed face or its first installed substitute.
QFont FontFor(FontRole role);

}  // namespace ui
