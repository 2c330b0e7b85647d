#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStyleOptionFrame>
#include <vector>

class QStyle;
class QWidget;

namespace ui {

// The panels of the window's entry fields (background and rounded frame) kept as
// the pixels the style draws. A typed key repaints only the text inside a field;
// there every pixel of the panel is the style's own and none depends on what
// lies beneath, so the kept pixels are laid down instead of the frame being
// stroked again.
class KeptPanels {
 public:
  // Draws the panel of `option` from its kept pixels when everything being
  // painted lies where they are the style's own; false when the style must draw.
  bool Draw(const QStyleOptionFrame& option, QPainter& painter, const QWidget* widget,
            const QStyle& style);

 private:
  struct Panel {
    // What the style's drawing depends on.
    struct Drawing {
      const QWidget* widget = nullptr;
      QSize size;
      qreal pixelRatio = 0;
      QStyle::State state;
      qint64 palette = 0;
      Qt::LayoutDirection direction = Qt::LeftToRight;
      int lineWidth = 0;
      int midLineWidth = 0;
      QStyleOptionFrame::FrameFeatures features;
      QPainter::RenderHints renderHints;
      bool operator==(const Drawing&) const = default;
    } drawing;
    QImage pixels;  // at the device's scale
    QRegion own;    // device pixels that do not depend on what is beneath
  };

  const Panel& Kept(const Panel::Drawing& drawing, const QStyleOptionFrame& option,
                    const QStyle& style);

  std::vector<Panel> panels_;
};

}  // namespace ui
