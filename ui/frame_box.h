#pragma once

#include <QGroupBox>
#include <QPainter>
#include <QRgb>

class QStyleOptionGroupBox;

namespace ui {

// A frame (group box) that repaints cheaply under the result labels inside it.
// Each changed label has its frame painted again beneath it. The style draws its
// frame as a stretched picture, which under a clip of many small rectangles
// takes the raster engine's slow path and hands the spans to worker threads.
// Away from its border the style lays one flat colour over what is beneath, so
// there the frame fills that colour itself, and it leaves the caption out when
// the part painted does not reach it.
class FrameBox : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the style's frame leaves on a given background away from its border:
  // found once by letting the style draw the frame on that background, and kept
  // only where that is one colour over whole pixels.
  struct FlatInside {
    // What the style's drawing depends on.
    struct Drawing {
      QRgb beneath = 0;
      QSize size;
      QString caption;
      QFont font;
      qreal pixelRatio = 0;
      QPainter::RenderHints renderHints;
      bool operator==(const Drawing&) const = default;
    } drawing;
    QRect rect;  // in the frame's coordinates; empty when there is none
    QColor fill;
  };

  // Empty when there is none, or when it is not known yet and `mayProbe` is false.
  QRect FlatInsideRect(const QStyleOptionGroupBox& option, const QPainter& painter, bool mayProbe);
  void FindFlatInside(const QStyleOptionGroupBox& option, FlatInside& flat) const;

  FlatInside flat_;
};

}  // namespace ui
