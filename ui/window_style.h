#pragma once

#include <QProxyStyle>

namespace ui {

// The window's look: Fusion on every desktop, so that the layout in twips holds
// everywhere, with the frames (group boxes) drawn as a plain border around a
// fill of the frame's own background colour, where the base style lays a
// smoothed picture. A flat inside lets the labels on it paint their own
// background, and a picture stretched over a tall frame is the slowest thing the
// raster engine paints.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  WindowStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace ui
