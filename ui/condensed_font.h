#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace ui {

// The stretch at which `text` in `font` takes at most `width` logical pixels on
// `device`, with room for a caret: QFont::AnyStretch (the face as designed) when
// the text fits as it is, else the widest condensed stretch that fits, at least
// 1 percent.
int CondensedStretch(QFont font, const QString& text, int width, const QPaintDevice* device);

}  // namespace ui
