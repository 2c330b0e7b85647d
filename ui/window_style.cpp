#include "ui/window_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Qt's own light palette greys text 1.6:1 from its window; less than this and
// greyed text looks like the window or like enabled text.
constexpr double kGreyedApart = 1.4;

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QRgb rgb = colour.rgb();
  return 0.2126 * Linear(qRed(rgb)) + 0.7152 * Linear(qGreen(rgb)) + 0.0722 * Linear(qBlue(rgb));
}

QColor Blend(const QColor& from, const QColor& to, double share) {
  const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
  return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                mix(from.blue(), to.blue()));
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// A border must stand out from the window as a line does, in every palette.
constexpr double kBorderContrast = 3;

}  // namespace

QColor StandingOut(const QColor& ground, const QColor& towards, double ratio) {
  constexpr int kSteps = 32;
  for (int step = 1; step < kSteps; ++step) {
    const QColor colour = Blend(ground, towards, double(step) / kSteps);
    if (ContrastRatio(colour, ground) >= ratio) return colour;
  }
  return towards;
}

void FixFill(QWidget& widget, const QColor& fill, const QColor& text) {
  // Qt's default light palette's colours.
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, fill);
  palette.setColor(QPalette::Text, text.isValid() ? text : QColor(Qt::black));
  palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
  if (!text.isValid())
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0xbe, 0xbe, 0xbe));
  palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
  widget.setPalette(palette);
}

QColor GreyedText(const QPalette& palette) {
  const QColor ground = palette.color(QPalette::Disabled, QPalette::Window);
  const QColor enabled = palette.color(QPalette::Active, QPalette::WindowText);
  const QColor greyed = palette.color(QPalette::Disabled, QPalette::WindowText);
  const bool apart = ContrastRatio(greyed, ground) >= kGreyedApart &&
                     ContrastRatio(greyed, enabled) >= kGreyedApart;
  return apart ? greyed : Blend(ground, enabled, 0.5);
}

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
