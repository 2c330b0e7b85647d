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

// The diagram of the viewing geometry at a given size in logical pixels, at the
// device pixel ratio so that it stays sharp on dense screens: ready-made for the
// common sizes, else rendered from its scalable source. Falls back to scaling
// the picture when the source cannot be rendered.
QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio);

// The diagram's size in its scalable source.
QSizeF DiagramSourceSize();

// The diagram drawn from its scalable source into `target`, in the painter's
// device units: the shapes as vectors and every text as text, which a PDF reader
// can search.
void DrawDiagram(QPainter& painter, const QRectF& target);

}  // namespace ui
