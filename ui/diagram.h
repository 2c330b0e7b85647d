#pragma once

#include <QPixmap>
#include <QSize>
#include <QSizeF>
#include <QString>

#include "ui/decoded_pictures.h"

namespace ui {

// The diagram's natural size in pixels, read from its picture's header alone.
QSize DiagramNaturalSize();

// Where the diagram at a given size in logical pixels and device pixel ratio
// comes ready-made. There is no picture there for uncommon sizes.
QString ReadyMadeDiagram(QSizeF logicalSize, qreal devicePixelRatio);

// The diagram of the viewing geometry at a given size in logical pixels, at the
// device pixel ratio so that it stays sharp on dense screens: ready-made (taken
// from decoded when it was decoded ahead) or rendered from its scalable source.
// Falls back to scaling the picture when the source cannot be rendered.
QPixmap RenderDiagram(QSizeF logicalSize, qreal devicePixelRatio, DecodedPictures& decoded);

}  // namespace ui
