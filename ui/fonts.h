#pragma once

#include <QFont>

#include "ui/control_table.h"

namespace ui {

// The faces the window was designed with are Windows fonts. Registers the
// metric-compatible IPA Gothic faces, then any Japanese-capable sans face, as their
// substitutes, so that elsewhere the layout keeps its proportions. Call once,
// before the window is built.
void RegisterFontSubstitutes();

// A role's font, in the face installed under the designed name or its first
// installed substitute.
QFont FontFor(FontRole role);

}  // namespace ui
