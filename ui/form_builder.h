#pragma once

#include "ui/control_table.h"
#include "ui/form_controls.h"

#include <QRect>

class QWidget;

namespace ui {

// Builds every control of the control table into `window`, with its tab order.
FormControls BuildForm(QWidget& window);

// A control's geometry in logical pixels, relative to its container.
QRect PixelGeometry(const ControlDesign& design);

}  // namespace ui
