#pragma once

#include <QPixmap>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace ui {

// The diagram's natural size in pixels, read from its picture's header alone.
QSize DiagramNaturalSize();

// The diagram of the viewing geometry at a given size in logical pixels, at the
// device pixel ratio so that it stays sharp on dense screens: ready-made for the
// common sizes, else rendered from its scalable source. Falls back to scaling
// the picture when the source cannot be rendered.
QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio);

}  // namespace ui
