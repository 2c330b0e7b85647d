#include "ui/fitted_label.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// Room left at either side of the text: hinted glyphs on a dense screen come out
// a little wider or narrower than their advances say.
constexpr int kSlack = 2;

}  // namespace

void FittedLabel::SetTextArea(const QRect& area) {
  textArea_ = area;
  update();
}

void FittedLabel::ShowText(const QString& text) {
  if (text == this->text()) return;
  const QRect before = CurrentPlacement().ink;
  // QLabel would repaint the whole label: its repaint is held back while the
  // text is set, and only the two texts' pixels are repainted.
  const bool updatesWereDisabled = testAttribute(Qt::WA_UpdatesDisabled);
  setAttribute(Qt::WA_UpdatesDisabled);
  setText(text);
  setAttribute(Qt::WA_UpdatesDisabled, updatesWereDisabled);
  update(before | CurrentPlacement().ink);
}

const FittedLabel::Placement& FittedLabel::CurrentPlacement() {
  Placement& p = placement_;
  const QString caption = text();
  const qreal ratio = devicePixelRatioF();
  if (p.pixelRatio != ratio || p.text != caption || p.contents != contentsRect() ||
      p.area != TextArea() || p.alignment != alignment() || p.font != font()) {
    p.text = caption;
    p.font = font();
    p.contents = contentsRect();
    p.area = TextArea();
    p.alignment = alignment();
    p.pixelRatio = ratio;
    Place(p);
  }
  return p;
}

bool FittedLabel::PlainlyPlaced(Qt::Alignment alignment) const {
  const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
  return (alignment & Qt::AlignVertical_Mask) == Qt::AlignTop &&
         (horizontal == Qt::AlignLeft || horizontal == Qt::AlignHCenter) && margin() == 0 &&
         indent() <= 0 && frameWidth() == 0 && layoutDirection() == Qt::LeftToRight;
}

void FittedLabel::Place(Placement& p) const {
  p.simple.reset();
  if (PlainlyPlaced(p.alignment)) p.simple = SetSimply(p.text, QFont(p.font, this));
  // A bold glyph may draw a little beyond its advance, and on a dense screen the
  // hinted glyphs come out a little wider or narrower: the text needs the width of
  // its ink as well as its advance, with slack at either side.
  qreal advance = 0;
  qreal inkLeft = 0;
  qreal inkRight = 0;
  if (p.simple) {
    advance = p.simple->advance;
    inkLeft = p.simple->inkLeft;
    inkRight = p.simple->inkRight;
  } else {
    const QFontMetricsF metrics(p.font, this);
    const QRectF ink = metrics.boundingRect(p.text);
    advance = metrics.horizontalAdvance(p.text);
    inkLeft = std::min<qreal>(0, ink.left());
    inkRight = ink.right();
  }
  const qreal width = std::max(advance, inkRight) - inkLeft;
  const Qt::Alignment horizontal = p.alignment & Qt::AlignHorizontal_Mask;
  // Where the label itself would put the text: left alone while that is inside
  // the text area, so that short values stand exactly as they always have.
  const bool leftAligned = horizontal == Qt::AlignLeft;
  const QRect natural =
      QStyle::alignedRect(layoutDirection(), horizontal,
                          QSize(int(std::ceil(width)), p.area.height()), p.contents)
          .adjusted(leftAligned ? 0 : -kSlack, 0, kSlack, 0);
  p.asLabel =
      p.text.isEmpty() || (natural.left() >= p.area.left() && natural.right() <= p.area.right());
  if (p.asLabel) {
    // The label puts the advance at the left or centres it; the ink reaches
    // from the left bearing to the wider of advance and ink, with some
    // slack either side, over the whole height.
    qreal start = p.contents.left();
    if (horizontal == Qt::AlignHCenter) {
      start += (p.contents.width() - advance) / 2;
    } else if (horizontal != Qt::AlignLeft) {
      p.ink = rect();
      return;
    }
    const int left = int(std::floor(start + inkLeft)) - kSlack;
    const int right = int(std::ceil(start + std::max(advance, inkRight))) + kSlack;
    p.ink = QRect(left, 0, right - left + 1, height());
    if (p.simple) {
      // A value's glyphs stand on the baseline at the font's ascent below the top.
      const qreal baseline = p.contents.top() + p.simple->glyphs.rawFont().ascent();
      p.ink.setTop(std::max(0, int(std::floor(baseline + p.simple->inkTop)) - kSlack));
      p.ink.setBottom(
          std::min(height() - 1, int(std::ceil(baseline + p.simple->inkBottom)) + kSlack));
    }
    return;
  }
  p.simple.reset();
  p.ink = rect();
  const QRectF room = QRectF(p.area).adjusted(kSlack, 0, -kSlack, 0);
  if (width <= room.width()) {
    p.offset = QPointF(room.left() + (leftAligned ? 0 : (room.width() - width) / 2), p.area.top());
    p.scale = 1;
  } else {
    p.offset = QPointF(room.left(), p.area.top());
    p.scale = room.width() / width;
  }
  p.start = QPointF(-inkLeft, QFontMetricsF(p.font, this).ascent());
}

void FittedLabel::paintEvent(QPaintEvent* event) {
  const Placement& p = CurrentPlacement();
  // Often painted only because a neighbour or the frame around it was: then no
  // pixel of the text is in the part painted again.
  if (p.text.isEmpty() || !event->region().intersects(p.ink)) return;
  if (p.asLabel) {
    if (p.simple) {
      DrawSimply(*p.simple);
    } else {
      QLabel::paintEvent(event);
    }
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(p.offset);
  if (p.scale != 1) painter.scale(p.scale, 1.0);
  painter.setFont(p.font);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  painter.drawText(p.start, p.text);
}

// Draws the text exactly where and how the label would: at the top of the
// contents, at their left or centred on the advance, in the style's text colour,
// clipped to the contents when it reaches past them.
void FittedLabel::DrawSimply(const SimpleText& simple) {
  const QRect contents = contentsRect();
  QPainter painter(this);
  // The widget's palette is in the colour group of its state, as the style's is.
  painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
  const QRawFont font = simple.glyphs.rawFont();
  const qreal left =
      contents.x() +
      ((alignment() & Qt::AlignHCenter) ? (contents.width() - simple.advance) / 2 : 0);
  const QRectF bounds(left, contents.y(), simple.advance, font.ascent() + font.descent());
  if (!QRectF(contents).contains(bounds)) painter.setClipRect(contents, Qt::IntersectClip);
  painter.drawGlyphRun(QPointF(left, contents.y() + font.ascent()), simple.glyphs);
}

}  // namespace ui
