#pragma once
// The X probes' one look at a window's place: where it lies on the root window,
// and the part of it on the screen, since nothing is drawn beyond the screen.
#include <X11/Xlib.h>

#include <algorithm>

namespace bench {

// Asked once per window or batch: a round trip per damage event would add to
// every figure.
inline XRectangle WindowOnScreen(Display* x, Window window) {
  Window child = 0;
  int left = 0;
  int top = 0;
  XTranslateCoordinates(x, window, XDefaultRootWindow(x), 0, 0, &left, &top, &child);
  XWindowAttributes attributes{};
  XGetWindowAttributes(x, window, &attributes);
  const int screen = XDefaultScreen(x);
  const int right = std::min(left + attributes.width, XDisplayWidth(x, screen));
  const int bottom = std::min(top + attributes.height, XDisplayHeight(x, screen));
  left = std::max(left, 0);
  top = std::max(top, 0);
  return {static_cast<short>(left), static_cast<short>(top),
          static_cast<unsigned short>(std::max(right - left, 1)),
          static_cast<unsigned short>(std::max(bottom - top, 1))};
}

inline bool Overlap(const XRectangle& a, const XRectangle& b) {
  return a.x < b.x + b.width && a.x + a.width > b.x && a.y < b.y + b.height && a.y + a.height > b.y;
}

}  // namespace bench
