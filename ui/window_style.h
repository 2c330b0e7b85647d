#pragma once

#include <QProxyStyle>

namespace ui {

// Fusion on every desktop, so that the layout in twips holds, with a frame drawn as
// a plain border around a flat fill: labels on it paint their own background, and
// Fusion's smoothed picture stretched over a tall frame is the slowest thing to paint.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  WindowStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace ui
