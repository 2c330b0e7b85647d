#pragma once

#include <QString>

#include "ui/form_controls.h"

namespace app {

// Every calculator's inputs and results as the window shows them, as
// tab-separated text for a spreadsheet: a block per calculator (its caption, its
// inputs by name and value, its table's heading row and rows, a greyed row
// marked "greyed"), then the camera and lens chosen, if any. Blocks are separated
// by an empty line.
QString ResultsText(const ui::FormControls& controls);

}  // namespace app
