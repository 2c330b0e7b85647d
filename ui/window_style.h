#pragma once

#include <QColor>
#include <QProxyStyle>

// The window's look, legible in whatever palette the desktop hands it.
namespace ui {

// The colour nearest `ground` on the way to `towards` whose contrast ratio with it
// (of relative luminances, each plus 0.05) reaches `ratio`; else `towards`.
QColor StandingOut(const QColor& ground, const QColor& towards, double ratio);

// A fill fixed whatever the desktop's palette, with the light palette's text, caret,
// selection and placeholder, which read on it on a dark desktop too; `text` if valid.
void FixFill(QWidget& widget, const QColor& fill, const QColor& text = QColor());

// A disabled label's text: the palette's own, unless it can hardly be told from the
// window or from enabled text (a palette derived from one dark colour), then halfway.
QColor GreyedText(const QPalette& palette);

// Fusion on every desktop, so that the layout in twips holds, with a frame drawn as
// a plain border around a flat fill: labels on it paint their own background, and
// Fusion's smoothed picture stretched over a tall frame is the slowest thing to paint.
class WindowStyle : public QProxyStyle {
  Q_OBJECT

 public:
  WindowStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace ui
