#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;

namespace ui {

// The diagram's natural size in pixels, read from its picture's header alone.
QSize DiagramNaturalSize();

// The diagram at a logical size, sharp at the device pixel ratio: ready-made for the
// common sizes, else rendered from its source, else the picture scaled.
QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio);

QSizeF DiagramSourceSize();

// The diagram drawn into `target` as vectors, every text as text that a PDF reader can search.
void DrawDiagram(QPainter& painter, const QRectF& target);

}  // namespace ui
