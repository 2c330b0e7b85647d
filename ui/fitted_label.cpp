#include "ui/fitted_label.h"

#include <QPainter>
#include <QStyle>

namespace ui {

void FittedLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  const int needed = fontMetrics().horizontalAdvance(text());
  if (needed <= area.width() || needed == 0) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal squeeze = qreal(area.width()) / needed;
  painter.translate(area.left(), area.top());
  painter.scale(squeeze, 1.0);
  const QRect text(0, 0, needed, area.height());
  style()->drawItemText(&painter, text, int(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft,
                        palette(), isEnabled(), this->text(), foregroundRole());
}

}  // namespace ui
