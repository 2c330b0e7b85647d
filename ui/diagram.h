#pragma once

#include <QPixmap>
#include <QSizeF>

namespace ui {

// The diagram of the viewing geometry at a given size in logical pixels, rendered
// from its scalable source at the device pixel ratio so that it stays sharp on
// dense screens. Falls back to scaling the natural-size picture when the source
// cannot be rendered.
QPixmap RenderDiagram(const QPixmap& naturalSize, QSizeF logicalSize, qreal devicePixelRatio);

inline constexpr const char* kDiagramPicture = ":/focimetra/diagram.png";

}  // namespace ui
