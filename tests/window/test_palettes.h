#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

namespace testing_support {

// The palettes the window is tried under besides the default light one: a dark
// desktop's (what GNOME's dark style hands a Qt program through the gtk3
// platform theme), a high-contrast one (white on black, greyed text green, as
// the desktops' high-contrast themes give it), and a dark one derived from a
// single colour, whose greyed text the palette makes nearly the window's colour.
QPalette DarkPalette();
QPalette HighContrastPalette();
QPalette DarkFromOneColour();

// How far two colours stand apart: the ratio of their relative luminances, each
// plus 0.05 (1 to 21).
double Contrast(QRgb a, QRgb b);

// What a patch of pixels shows: its commonest colour (what stands behind) and
// the pixel that stands out from it most. Pixels inside `skip` are left out.
struct Patch {
  QRgb ground = 0;
  QRgb ink = 0;
  double contrast = 1;
};
Patch ReadPatch(const QImage& image, const QRect& area, const QList<QRect>& skip = {});

}  // namespace testing_support
