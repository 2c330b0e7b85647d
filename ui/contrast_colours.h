#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace ui {

// The colour nearest the ground, on the way from it to `towards`, that stands out
// from the ground by `ratio` (the ratio of relative luminances, each plus 0.05,
// as the eye sees contrast); `towards` itself where none does.
QColor StandingOut(const QColor& ground, const QColor& towards, double ratio);

// A fill the window fixes, whatever the desktop's palette, with the colours of
// the light palette for what is drawn on it (text, caret, selection, placeholder)
// so that they read on it on a dark desktop too; `text`, when valid, replaces the
// light palette's text colour.
void FixFill(QWidget& widget, const QColor& fill, const QColor& text = QColor());

// The colour of a greyed (disabled) label's text: the palette's own, unless it
// can hardly be told from the window or from enabled text (as where a palette
// derives it from a single dark colour), then halfway between the two.
QColor GreyedText(const QPalette& palette);

}  // namespace ui
