#include "ui/picture_box.h"

#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setAutoFillBackground(true);
}

void PictureBox::Clear() {
  const qreal ratio = devicePixelRatioF();
  canvas_ = QImage(contentsRect().size() * ratio, QImage::Format_ARGB32_Premultiplied);
  canvas_.setDevicePixelRatio(ratio);
  canvas_.fill(palette().color(QPalette::Window));
  update();
}

void PictureBox::PaintPicture(const QPixmap& picture, const QPointF& target) {
  if (canvas_.isNull()) Clear();
  QPainter painter(&canvas_);
  painter.drawPixmap(target, picture);
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), canvas_);
}

}  // namespace ui
