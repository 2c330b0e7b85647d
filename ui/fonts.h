#pragma once

#include <QFont>

#include "ui/control_table.h"

namespace ui {

// The faces the window was designed with are Windows fonts. Registers the
// metric-compatible IPA Gothic faces, then any Japanese-capable sans face, as their
// substitutes, so that elsewhere the layout keeps its proportions. Call once,
// before the window is built.
void RegisterFontSubstitutes();

// Whether the font has every character of the text: for a font that goes
// without fallback fonts, whether its own face has them.
bool FaceHasEvery(const QFont& font, const QString& text);

// A role's font. Its face, when it has every character the window writes, goes
// without the toolkit's fallback fonts.
QFont FontFor(FontRole role);

}  // namespace ui
