#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace ui {

// The colour nearest `ground` on the way to `towards` whose contrast ratio with it
// (of relative luminances, each plus 0.05) reaches `ratio`; else `towards`.
QColor StandingOut(const QColor& ground, const QColor& towards, double ratio);

// A fill fixed whatever the desktop's palette, with the light palette's text, caret,
// selection and placeholder, which read on it on a dark desktop too; `text` if valid.
void FixFill(QWidget& widget, const QColor& fill, const QColor& text = QColor());

// A disabled label's text: the palette's own, unless it can hardly be told from the
// window or from enabled text (a palette derived from one dark colour), then halfway.
QColor GreyedText(const QPalette& palette);

}  // namespace ui
