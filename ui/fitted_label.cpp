#include "ui/fitted_label.h"

#include <QPainter>
#include <QStyle>

namespace ui {

void FittedLabel::paintEvent(QPaintEvent* event) {
  const QRect area = TextArea();
  const QString caption = text();
  const int needed = fontMetrics().horizontalAdvance(caption);
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  const Qt::Alignment vertical = alignment() & Qt::AlignVertical_Mask;
  // Where the label itself would put the text: left alone while that is clear of
  // the lines, so that short values stand exactly as they always have.
  const QRect natural = QStyle::alignedRect(layoutDirection(), horizontal,
                                            QSize(needed, area.height()), contentsRect());
  if (needed == 0 || (natural.left() >= area.left() && natural.right() <= area.right())) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  if (needed <= area.width()) {
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), caption,
                          foregroundRole());
    return;
  }
  const qreal squeeze = qreal(area.width()) / needed;
  painter.translate(area.left(), area.top());
  painter.scale(squeeze, 1.0);
  style()->drawItemText(&painter, QRect(0, 0, needed, area.height()), int(vertical | Qt::AlignLeft),
                        palette(), isEnabled(), caption, foregroundRole());
}

}  // namespace ui
