#include "ui/fitted_label.h"

#include <QFontMetricsF>
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

void FittedLabel::Place(Placement& p) const {
  // A bold glyph may draw a little beyond its advance, and on a dense screen the
  // hinted glyphs come out a little wider or narrower: the text needs the width of
  // its ink as well as its advance, with slack at either side.
  const QFontMetricsF metrics(p.font, this);
  const QRectF ink = metrics.boundingRect(p.text);
  const qreal inkLeft = std::min<qreal>(0, ink.left());
  const qreal width = std::max(metrics.horizontalAdvance(p.text), ink.right()) - inkLeft;
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
  if (p.asLabel) return;
  const QRectF room = QRectF(p.area).adjusted(kSlack, 0, -kSlack, 0);
  if (width <= room.width()) {
    p.offset = QPointF(room.left() + (leftAligned ? 0 : (room.width() - width) / 2), p.area.top());
    p.scale = 1;
  } else {
    p.offset = QPointF(room.left(), p.area.top());
    p.scale = room.width() / width;
  }
  p.start = QPointF(-inkLeft, metrics.ascent());
}

void FittedLabel::paintEvent(QPaintEvent* event) {
  const Placement& p = CurrentPlacement();
  if (p.asLabel) {
    QLabel::paintEvent(event);
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

}  // namespace ui
