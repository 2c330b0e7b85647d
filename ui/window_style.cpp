#include "ui/window_style.h"

#include <QStyleFactory>

namespace ui {
namespace {

// Everything of a frame's option that its parts' geometry can depend on.
bool SameFrame(const QStyleOptionGroupBox& a, const QStyleOptionGroupBox& b) {
  return a.rect == b.rect && a.text == b.text && a.fontMetrics == b.fontMetrics &&
         a.textAlignment == b.textAlignment && a.features == b.features &&
         a.lineWidth == b.lineWidth && a.midLineWidth == b.midLineWidth &&
         a.subControls == b.subControls && a.activeSubControls == b.activeSubControls &&
         a.state == b.state && a.direction == b.direction && a.styleObject == b.styleObject;
}

// More than the window's frames: the kept parts are dropped and kept anew.
constexpr std::size_t kMostFrameParts = 64;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl part, const QWidget* widget) const {
  const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || frame == nullptr) {
    return QProxyStyle::subControlRect(control, option, part, widget);
  }
  for (const FramePart& kept : frameParts_) {
    if (kept.widget == widget && kept.part == part && SameFrame(kept.option, *frame)) {
      return kept.rect;
    }
  }
  if (frameParts_.size() >= kMostFrameParts) frameParts_.clear();
  const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
  frameParts_.push_back({widget, part, *frame, rect});
  return rect;
}

}  // namespace ui
