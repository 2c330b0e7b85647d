#include "tests/window/test_palettes.h"

#include <QHash>
#include <cmath>

namespace testing_support {
namespace {

QPalette Filled(const QColor& window, const QColor& text, const QColor& base, const QColor& greyed,
                const QColor& highlight, const QColor& highlighted) {
  QPalette palette(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
                   Qt::white, base, window);
  palette.setColor(QPalette::Highlight, highlight);
  palette.setColor(QPalette::HighlightedText, highlighted);
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, greyed);
  palette.setColor(QPalette::Disabled, QPalette::Base, window);
  return palette;
}

double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb rgb) {
  return 0.2126 * Linear(qRed(rgb)) + 0.7152 * Linear(qGreen(rgb)) + 0.0722 * Linear(qBlue(rgb));
}

}  // namespace

QPalette DarkPalette() {
  return Filled(QColor(0x32, 0x32, 0x32), QColor(0xf0, 0xf0, 0xf0), QColor(0x24, 0x24, 0x24),
                QColor(0x82, 0x82, 0x82), QColor(0x30, 0x8c, 0xc6), QColor(0xf0, 0xf0, 0xf0));
}

QPalette HighContrastPalette() {
  return Filled(Qt::black, Qt::white, Qt::black, QColor(0x3f, 0xf2, 0x3f), QColor(0x1a, 0xeb, 0xff),
                Qt::black);
}

QPalette DarkFromOneColour() { return QPalette(QColor(0x32, 0x32, 0x32)); }

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Patch ReadPatch(const QImage& image, const QRect& area, const QList<QRect>& skip) {
  const QRect within = area & image.rect();
  const auto skipped = [&skip](int x, int y) {
    for (const QRect& rect : skip)
      if (rect.contains(x, y)) return true;
    return false;
  };
  QHash<QRgb, int> counts;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x)
      if (!skipped(x, y)) ++counts[image.pixel(x, y) | 0xff000000];
  Patch patch;
  int most = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    if (it.value() > most) {
      most = it.value();
      patch.ground = it.key();
    }
  }
  patch.ink = patch.ground;
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    const double contrast = Contrast(it.key(), patch.ground);
    if (contrast > patch.contrast) {
      patch.contrast = contrast;
      patch.ink = it.key();
    }
  }
  return patch;
}

}  // namespace testing_support
