#include "ui/diagram.h"

#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace ui {
namespace {

const QString kPicture = QStringLiteral(":/focimetra/diagram.png");
const QString kSource = QStringLiteral(":/focimetra/diagram.svg");

QSize DevicePixels(QSizeF logicalSize, qreal devicePixelRatio) {
  return {static_cast<int>(std::ceil(logicalSize.width() * devicePixelRatio)),
          static_cast<int>(std::ceil(logicalSize.height() * devicePixelRatio))};
}

QString ReadyMadePath(QSize pixels) {
  return QStringLiteral(":/focimetra/diagram-%1x%2.png").arg(pixels.width()).arg(pixels.height());
}

}  // namespace

// The picture is embedded: its header is read once.
QSize DiagramNaturalSize() {
  static const QSize size = QImageReader(kPicture).size();
  return size;
}

QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio) {
  const QSize pixels = DevicePixels(logicalSize, devicePixelRatio);
  // The common sizes come ready-made from the same source.
  QPixmap diagram(ReadyMadePath(pixels));
  if (!diagram.isNull()) {
    diagram.setDevicePixelRatio(devicePixelRatio);
    return diagram;
  }
  QSvgRenderer source(kSource);
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
    diagram = QPixmap(kPicture).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  diagram.setDevicePixelRatio(devicePixelRatio);
  return diagram;
}

}  // namespace ui
