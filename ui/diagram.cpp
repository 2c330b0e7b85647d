#include "ui/diagram.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace ui {

QPixmap RenderDiagram(const QPixmap& naturalSize, QSizeF logicalSize, qreal devicePixelRatio) {
  const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio)));
  QSvgRenderer source(QStringLiteral(":/focimetra/diagram.svg"));
  QPixmap diagram;
  if (source.isValid()) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    source.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    diagram = QPixmap::fromImage(image);
  } else {
    diagram = naturalSize.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  diagram.setDevicePixelRatio(devicePixelRatio);
  return diagram;
}

}  // namespace ui
