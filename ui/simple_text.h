#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QString>
#include <optional>

namespace ui {

// How a simply set text (below) measures, from the start of its baseline.
struct SimpleMeasure {
  qreal advance = 0;
  // How far the ink reaches left and right of the start, as QFontMetricsF's
  // bounding rectangle gives it.
  qreal inkLeft = 0;
  qreal inkRight = 0;
  // How far the glyphs' boxes reach above (negative) and below the baseline.
  qreal inkTop = 0;
  qreal inkBottom = 0;
};

// A number's text set without the general text layout. A result label changes on
// every key, and laying a value out the general way (finding its scripts and
// line breaks and shaping it) is most of what its paint costs. Digits, the
// point and the minus sign need none of that in a font that draws each of them
// alone, with neither kerning nor ligatures between them: the glyphs and their
// advances come straight from the font, and they are exactly what the general
// layout would have placed.
struct SimpleText : SimpleMeasure {
  QGlyphRun glyphs;  // positions from the start of the baseline
};

// `text` set simply in `font` (resolved for the device it is drawn on), or
// nothing when the text or the font needs the general layout.
std::optional<SimpleText> SetSimply(const QString& text, const QFont& font);

}  // namespace ui
