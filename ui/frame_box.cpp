#include "ui/frame_box.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace ui {

void FrameBox::paintEvent(QPaintEvent* event) {
  QStylePainter painter(this);
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  // A glyph may reach a little past the caption's rectangle.
  constexpr int kInkMargin = 2;
  const QRect caption =
      style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
  if (!event->region().intersects(
          caption.adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin))) {
    option.subControls &= ~QStyle::SC_GroupBoxLabel;
  }
  painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace ui
