#include "ui/frame_box.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>
#include <optional>

namespace ui {
namespace {

// A glyph may reach a little past the caption's rectangle.
constexpr int kInkMargin = 2;

// The solid colour the toolkit paints beneath the frame, if that is all there
// is beneath it: no sibling lies under it and the background is one opaque colour.
std::optional<QRgb> BeneathColour(const QWidget& frame) {
  const QWidget* parent = frame.parentWidget();
  if (parent == nullptr) return std::nullopt;
  for (const QObject* child : parent->children()) {
    if (child == &frame) break;  // children are stacked bottom first
    const auto* sibling = qobject_cast<const QWidget*>(child);
    if (sibling != nullptr && !sibling->isHidden() &&
        sibling->geometry().intersects(frame.geometry())) {
      return std::nullopt;
    }
  }
  const QWidget* below = &frame;
  if (!frame.autoFillBackground()) {
    below = parent;
    if (!(below->isWindow() || below->autoFillBackground()) ||
        below->testAttribute(Qt::WA_NoSystemBackground)) {
      return std::nullopt;
    }
  }
  const QBrush brush = below->palette().brush(below->backgroundRole());
  if (brush.style() != Qt::SolidPattern || !brush.isOpaque()) return std::nullopt;
  return brush.color().rgba();
}

const QRgb* Row(const QImage& image, int y) {
  return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The longest run of `colour` through `at`, across or down, in device pixels.
std::pair<int, int> Run(const QImage& image, QPoint at, bool across, QRgb colour) {
  const int extent = across ? image.width() : image.height();
  auto pixel = [&](int i) { return across ? Row(image, at.y())[i] : Row(image, i)[at.x()]; };
  int first = across ? at.x() : at.y();
  int last = first;
  while (first > 0 && pixel(first - 1) == colour) --first;
  while (last + 1 < extent && pixel(last + 1) == colour) ++last;
  return {first, last};
}

bool AllOf(const QImage& image, const QRect& rect, QRgb colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    const QRgb* row = Row(image, y);
    if (!std::all_of(row + rect.left(), row + rect.right() + 1,
                     [colour](QRgb pixel) { return pixel == colour; })) {
      return false;
    }
  }
  return true;
}

}  // namespace

void FrameBox::FindFlatInside(const QStyleOptionGroupBox& option, FlatInside& flat) const {
  flat.rect = QRect();
  const int ratio = int(flat.drawing.pixelRatio);
  // At a fractional scale a pixel may be shared between the border and the
  // inside: the style draws the whole frame there.
  if (ratio != flat.drawing.pixelRatio || ratio < 1) return;
  // The frame as the style draws it, at its own size: how the stretched picture
  // is sampled depends on how far it is stretched.
  QStyleOptionGroupBox probe = option;
  probe.subControls = QStyle::SC_GroupBoxFrame;
  QImage image(probe.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(flat.drawing.beneath);
  {
    QPainter painter(&image);
    painter.setRenderHints(flat.drawing.renderHints);  // on a dense screen the picture is smoothed
    style()->drawComplexControl(QStyle::CC_GroupBox, &probe, &painter, this);
  }
  const QPoint middle(image.width() / 2, image.height() / 2);
  const QRgb colour = Row(image, middle.y())[middle.x()];
  const auto [left, right] = Run(image, middle, true, colour);
  const auto [top, bottom] = Run(image, middle, false, colour);
  // Whole logical pixels only, each of them entirely the flat colour.
  QRect inside(QPoint((left + ratio - 1) / ratio, (top + ratio - 1) / ratio),
               QPoint((right + 1) / ratio - 1, (bottom + 1) / ratio - 1));
  // Clear of the caption and its check box, whatever the style does with them.
  for (const QStyle::SubControl part : {QStyle::SC_GroupBoxLabel, QStyle::SC_GroupBoxCheckBox}) {
    const QRect taken = style()
                            ->subControlRect(QStyle::CC_GroupBox, &option, part, this)
                            .adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
    if (taken.intersects(inside)) inside.setTop(taken.bottom() + 1);
  }
  if (inside.isEmpty() ||
      !AllOf(image, QRect(inside.topLeft() * ratio, inside.size() * ratio), colour)) {
    return;
  }
  flat.rect = inside;
  flat.fill = QColor::fromRgba(colour);
}

QRect FrameBox::FlatInsideRect(const QStyleOptionGroupBox& option, const QPainter& painter,
                               bool mayProbe) {
  const std::optional<QRgb> beneath = BeneathColour(*this);
  // The scale of the device painted on, which is not the screen's when the frame
  // is rendered into an image.
  const QTransform& device = painter.deviceTransform();
  if (!beneath || device.type() > QTransform::TxScale || device.m11() != device.m22()) return {};
  const FlatInside::Drawing drawing{.beneath = *beneath,
                                    .size = size(),
                                    .caption = option.text,
                                    .font = font(),
                                    .pixelRatio = device.m11(),
                                    .renderHints = painter.renderHints()};
  if (flat_.drawing != drawing) {
    if (!mayProbe) return {};
    flat_.drawing = drawing;
    FindFlatInside(option, flat_);
  }
  return flat_.rect;
}

void FrameBox::paintEvent(QPaintEvent* event) {
  QStylePainter painter(this);
  QStyleOptionGroupBox option;
  initStyleOption(&option);
  QRegion styled = event->region();
  // Drawn whole (on showing, where only its opaque children are left out), the
  // frame is drawn by the style: working out its flat inside is left to the
  // first repaint that it can speed up.
  const bool whole = styled.boundingRect() == rect();
  if (const QRect inside = FlatInsideRect(option, painter, !whole); !inside.isEmpty()) {
    // An opaque fill of plain rectangles: the raster engine's fastest path.
    for (const QRect& rect : styled& inside) painter.fillRect(rect, flat_.fill);
    styled -= inside;
    if (styled.isEmpty()) return;
    painter.setClipRegion(styled);
  }
  const QRect caption =
      style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
  if (!styled.intersects(caption.adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin))) {
    option.subControls &= ~QStyle::SC_GroupBoxLabel;
  }
  painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

}  // namespace ui
