#pragma once

#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <vector>

namespace ui {

// The window's look (Fusion on every desktop, so that the layout in twips holds
// everywhere), with the geometry of a frame's parts kept once it is worked out:
// a frame is painted again under every result label that changes, and each time
// the style would measure its caption anew for the caption's, the check box's
// and the border's rectangles.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  WindowStyle();

  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;

 private:
  struct FramePart {
    const QWidget* widget;
    SubControl part;
    QStyleOptionGroupBox option;
    QRect rect;
  };
  mutable std::vector<FramePart> frameParts_;
};

}  // namespace ui
