#include "ui/contrast_colours.h"

#include <QPalette>
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
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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
  const QColor black(Qt::black);
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, fill);
  palette.setColor(QPalette::Text, text.isValid() ? text : black);
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
  if (ContrastRatio(greyed, ground) >= kGreyedApart &&
      ContrastRatio(greyed, enabled) >= kGreyedApart) {
    return greyed;
  }
  return Blend(ground, enabled, 0.5);
}

}  // namespace ui
