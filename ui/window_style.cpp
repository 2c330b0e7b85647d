#include "ui/window_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "ui/contrast_colours.h"

namespace ui {
namespace {

// A border must stand out from the window as a line does, in every palette.
constexpr double kBorderContrast = 3;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox || option == nullptr || painter == nullptr) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const auto* frame = qobject_cast<const QGroupBox*>(widget);
  int top = 0;
  if (frame != nullptr && (frame->isCheckable() || !frame->title().isEmpty())) {
    top = std::max(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                   option->fontMetrics.height());
  }
  // Where the base style's border runs, below the caption line and the contents' margin.
  const int frameWidth = pixelMetric(PM_DefaultFrameWidth, option, widget);
  QStyleOptionGroupBox box;
  box.QStyleOption::operator=(*option);
  const int margin =
      subControlRect(CC_GroupBox, &box, SC_GroupBoxContents, widget).left() - option->rect.left();
  const QRect border = option->rect.adjusted(frameWidth, top + margin + frameWidth, 0, 0);
  if (border.isEmpty()) return;
  // Plain rectangles, which the raster engine fills fastest. The border leans towards
  // the (enabled) text colour just far enough to stand out.
  const QColor fill = option->palette.color(QPalette::Window);
  const QColor text = option->palette.color(QPalette::Active, QPalette::WindowText);
  painter->fillRect(border, StandingOut(fill, text, kBorderContrast));
  painter->fillRect(border.adjusted(1, 1, -1, -1), fill);
}

}  // namespace ui
