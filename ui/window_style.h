#pragma once

#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <vector>

#include "ui/kept_panel.h"

namespace ui {

// The window's look (Fusion on every desktop, so that the layout in twips holds
// everywhere), with the geometry of a frame's parts kept once it is worked out:
// a frame is painted again under every result label that changes, and each time
// the style would measure its caption anew for the caption's, the check box's
// and the border's rectangles. An entry field's panel is kept as pixels for the
// repaints of its text.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  WindowStyle();

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

 private:
  struct FramePart {
    const QWidget* widget;
    SubControl part;
    QStyleOptionGroupBox option;
    QRect rect;
  };
  mutable std::vector<FramePart> frameParts_;
  mutable KeptPanels panels_;
};

}  // namespace ui
