#include "ui/fitted_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace ui {

void FittedLabel::paintEvent(QPaintEvent* event) {
  const QRect area = TextArea();
  const QString caption = text();
  const QFontMetricsF metrics(font(), this);
  const qreal advance = metrics.horizontalAdvance(caption);
  // A bold glyph may draw a little beyond its advance, and on a dense screen the
  // hinted glyphs come out a little wider or narrower: the text needs the width of
  // its ink as well as its advance, with slack at either side.
  const QRectF ink = metrics.boundingRect(caption);
  const qreal inkLeft = std::min<qreal>(0, ink.left());
  const qreal width = std::max(advance, ink.right()) - inkLeft;
  constexpr int kSlack = 2;
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  // Where the label itself would put the text: left alone while that is inside
  // the text area, so that short values stand exactly as they always have.
  const bool leftAligned = horizontal == Qt::AlignLeft;
  const QRect natural =
      QStyle::alignedRect(layoutDirection(), horizontal,
                          QSize(int(std::ceil(width)), area.height()), contentsRect())
          .adjusted(leftAligned ? 0 : -kSlack, 0, kSlack, 0);
  if (caption.isEmpty() || (natural.left() >= area.left() && natural.right() <= area.right())) {
    QLabel::paintEvent(event);
    return;
  }
  const QRectF room = QRectF(area).adjusted(kSlack, 0, -kSlack, 0);
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (width <= room.width()) {
    painter.translate(room.left() + (leftAligned ? 0 : (room.width() - width) / 2), area.top());
  } else {
    painter.translate(room.left(), area.top());
    painter.scale(room.width() / width, 1.0);
  }
  painter.setFont(font());
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  painter.drawText(QPointF(-inkLeft, metrics.ascent()), caption);
}

}  // namespace ui
