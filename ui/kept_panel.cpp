#include "ui/kept_panel.h"

#include <QPaintEngine>
#include <QStyle>

namespace ui {
namespace {

// More than the window's fields in all their states: the kept panels are
// dropped and kept anew.
constexpr std::size_t kMostPanels = 64;

// The panel as the style draws it on one opaque colour, at the device's scale.
QImage DrawnOn(QColor beneath, const QStyleOptionFrame& option, qreal ratio,
               QPainter::RenderHints hints, const QWidget* widget, const QStyle& style) {
  QImage image(option.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(beneath);
  QPainter painter(&image);
  painter.setRenderHints(hints);
  QStyleOptionFrame at = option;
  at.rect.moveTopLeft(QPoint(0, 0));
  style.drawPrimitive(QStyle::PE_PanelLineEdit, &at, &painter, widget);
  return image;
}

// The pixels in which two images of one size agree.
QRegion Agreeing(const QImage& a, const QImage& b) {
  QRegion agreeing;
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width();) {
      if (rowA[x] != rowB[x]) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < a.width() && rowA[x] == rowB[x]) ++x;
      agreeing += QRect(start, y, x - start, 1);
    }
  }
  return agreeing;
}

}  // namespace

bool KeptPanels::Draw(const QStyleOptionFrame& option, QPainter& painter, const QWidget* widget,
                      const QStyle& style) {
  const QPaintEngine* engine = painter.paintEngine();
  if (engine == nullptr || widget == nullptr || painter.hasClipping()) return false;
  // Kept in the backing stores' own formats, where laying the pixels down copies
  // them; on anything else (a printer, a 16-bit image) the style draws.
  const QPaintDevice* target = engine->paintDevice();
  if (target == nullptr || target->devType() != QInternal::Image) return false;
  const QImage::Format format = static_cast<const QImage*>(target)->format();
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  // The part being painted, in device pixels; none set means the whole device.
  const QRegion painted = engine->systemClip();
  if (painted.isEmpty()) return false;
  // Kept pixels stand for the style's only where the panel covers whole device
  // pixels: at a fractional scale a field may begin inside a pixel.
  const QTransform& device = painter.deviceTransform();
  if (device.type() > QTransform::TxScale || device.m11() != device.m22()) return false;
  const QRectF onDevice = device.mapRect(QRectF(option.rect));
  const QRect whole = onDevice.toRect();
  if (QRectF(whole) != onDevice) return false;
  // A paint of the whole field (as on showing) reaches its frame: the style
  // draws it, and nothing is kept for it yet.
  if (painted.boundingRect().contains(whole)) return false;
  const Panel::Drawing drawing{.widget = widget,
                               .size = option.rect.size(),
                               .pixelRatio = device.m11(),
                               .state = option.state,
                               .palette = option.palette.cacheKey(),
                               .direction = option.direction,
                               .lineWidth = option.lineWidth,
                               .midLineWidth = option.midLineWidth,
                               .features = option.features,
                               .renderHints = painter.renderHints()};
  const Panel& panel = Kept(drawing, option, style);
  if (!(painted.translated(-whole.topLeft()) - panel.own).isEmpty()) return false;
  painter.drawImage(QRectF(option.rect), panel.pixels);
  return true;
}

const KeptPanels::Panel& KeptPanels::Kept(const Panel::Drawing& drawing,
                                          const QStyleOptionFrame& option, const QStyle& style) {
  for (const Panel& panel : panels_) {
    if (panel.drawing == drawing) return panel;
  }
  if (panels_.size() >= kMostPanels) panels_.clear();
  // Drawn on black and on white: where the two agree, the pixels are the style's
  // own, whatever lies beneath.
  const auto drawn = [&](Qt::GlobalColor beneath) {
    return DrawnOn(beneath, option, drawing.pixelRatio, drawing.renderHints, drawing.widget, style);
  };
  QImage onBlack = drawn(Qt::black);
  const QRegion own = Agreeing(onBlack, drawn(Qt::white));
  panels_.push_back({drawing, std::move(onBlack), own});
  return panels_.back();
}

}  // namespace ui
