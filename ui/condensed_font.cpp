#include "ui/condensed_font.h"

#include <QFontMetricsF>
#include <algorithm>

namespace ui {
namespace {

// A line edit scrolls once its text and the caret's pixel reach the far edge.
constexpr qreal kCaretRoom = 2;

qreal Advance(const QFont& font, const QString& text, const QPaintDevice* device) {
  return QFontMetricsF(font, device).horizontalAdvance(text);
}

}  // namespace

int CondensedStretch(QFont font, const QString& text, int width, const QPaintDevice* device) {
  font.setStretch(QFont::AnyStretch);
  const qreal room = width - kCaretRoom;
  const qreal natural = Advance(font, text, device);
  if (natural <= room || natural <= 0) return QFont::AnyStretch;
  // Widths scale about linearly with the stretch; hinting may round a glyph up,
  // so step down from the estimate until the text really fits.
  int stretch = std::clamp(static_cast<int>(100 * room / natural), 1, 99);
  for (; stretch > 1; --stretch) {
    font.setStretch(stretch);
    if (Advance(font, text, device) <= room) break;
  }
  return stretch;
}

}  // namespace ui
