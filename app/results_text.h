#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "ui/form_controls.h"

namespace app {

// One line of what the window shows: a caption, an input's name and value, a
// table's heading row or one of its rows.
struct ShownRow {
  QStringList cells;    // a greyed row's last cell is "greyed"
  bool greyed = false;  // a result row the window shows greyed
  QStringList notes;    // the tool tips of its value labels or of its field
};

// A calculator or the chosen camera: its caption first, then its rows; from
// tableRow on (when not -1), the table's heading row and its rows.
struct ShownBlock {
  QList<ShownRow> rows;
  int tableRow = -1;
};

// Every calculator's inputs and results as the window shows them, then the
// camera and lens chosen, if any. The copied text and the printed sheet are both
// made from it.
QList<ShownBlock> ShownFigures(const ui::FormControls& controls);

// The figures as tab-separated text for a spreadsheet: a line per row, blocks
// separated by an empty line.
QString ResultsText(const QList<ShownBlock>& blocks);

}  // namespace app
