#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ui/form_controls.h"

namespace app {

// One line of what the window shows: a caption, an input, a heading row or a row.
struct ShownRow {
  QStringList cells;    // a greyed row's last cell is "greyed"
  bool greyed = false;  // a result row the window shows greyed
  QStringList notes;    // the tool tips of its value labels or of its field
};

// A calculator or the chosen camera: its caption, then its rows; from tableRow on
// (when not -1), the table's heading row and its rows.
struct ShownBlock {
  QList<ShownRow> rows;
  int tableRow = -1;
};

// Every calculator's inputs and results as the window shows them, then the chosen
// camera and lens: what the copied text and the sheet are both made from.
QList<ShownBlock> ShownFigures(const ui::FormControls& controls);

// Tab-separated, for a spreadsheet: a line per row, an empty line between blocks.
QString ResultsText(const QList<ShownBlock>& blocks);

}  // namespace app
