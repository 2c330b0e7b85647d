#include "app/results_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <utility>

#include "app/frm_main.h"
#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"

namespace app {
namespace {

using optics::Field;
using optics::ResultTable;

const QChar kTab = QLatin1Char('\t');

ShownRow Cells(QStringList cells) {
  ShownRow row;
  row.cells = std::move(cells);
  return row;
}

// A block that starts with its caption.
ShownBlock Captioned(const QString& caption) {
  ShownBlock block;
  block.rows.append(Cells({caption}));
  return block;
}

ShownRow InputRow(const QString& name, const ui::EntryField& field) {
  ShownRow row = Cells({name, field.text()});
  if (!field.toolTip().isEmpty()) row.notes.append(field.toolTip());
  return row;
}

QString FrameTitle(const QWidget& control) {
  return static_cast<const QGroupBox*>(control.parentWidget())->title();
}

// A results frame in its design's order: each field after the label that names it,
// then the other labels, which head the table's columns, up to its first row.
ShownBlock TableBlockShown(const ui::FormControls& c, ResultTable table) {
  const QLabel& firstRow = c.Result({table, 0, 0});
  ShownBlock shown = Captioned(FrameTitle(firstRow));
  QStringList headings;
  const QLabel* pending = nullptr;
  for (const ui::ControlDesign& design : ui::ControlTable()) {
    QWidget* control = c.byName.value(ui::ToQString(design.name));
    if (control == &firstRow) break;
    if (control->parentWidget() != firstRow.parentWidget()) continue;
    if (design.kind == ui::ControlKind::TextBox) {
      shown.rows.append(InputRow(pending->text(), *static_cast<ui::EntryField*>(control)));
      pending = nullptr;
    } else if (design.kind == ui::ControlKind::Label) {
      if (pending != nullptr) headings.append(pending->text());
      pending = static_cast<QLabel*>(control);
    }
  }
  headings.append(pending->text());
  shown.tableRow = static_cast<int>(shown.rows.size());
  shown.rows.append(Cells(headings));
  for (int format = 0; format < optics::kFormatCount; ++format) {
    ShownRow row;
    row.greyed = !c.Result({table, format, 0}).isEnabled();
    for (int element = 0; element <= optics::ValueCount(table); ++element) {
      const QLabel& label = c.Result({table, format, element});
      row.cells.append(label.text());
      if (!label.toolTip().isEmpty()) {
        row.notes.append(headings.value(element) + QLatin1Char(' ') + label.text() +
                         QStringLiteral(": ") + label.toolTip());
      }
    }
    if (row.greyed) row.cells.append(QStringLiteral("greyed"));
    shown.rows.append(row);
  }
  return shown;
}

// The converter's fields stand between "Lux at F" captions that name none of them
// alone: they go by their accessible names, without the calculator's.
ShownBlock IlluminationBlock(const ui::FormControls& c) {
  ShownBlock shown = Captioned(FrameTitle(c.Field(Field::Txtillumination_M0)));
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    const ui::EntryField& box = c.Field(entry.field);
    if (box.parentWidget() != c.Field(Field::Txtillumination_M0).parentWidget()) continue;
    shown.rows.append(InputRow(box.accessibleName().section(QStringLiteral(": "), 1), box));
  }
  return shown;
}

// Each camera-data label as its caption's name and the value after the prefix.
ShownRow CameraDataRow(const QLabel& label, const QString& prefix) {
  return Cells({prefix.mid(1).chopped(1).trimmed(), label.text().mid(prefix.size())});
}

ShownBlock SelectionBlock(const ui::FormControls& c) {
  const QString camera = c.LstCamera->CurrentText();
  if (camera.isEmpty()) return {};
  ShownBlock shown = Captioned(c.ChkCameraSelect->text());
  for (const QRadioButton* option : c.OptCameraType) {
    if (option->isChecked()) shown.rows.append(Cells({c.FraCameraType->title(), option->text()}));
  }
  shown.rows.append(Cells({QStringLiteral("Camera"), camera}));
  for (const CameraDataLabel& data : kCameraDataLabels) {
    shown.rows.append(CameraDataRow(*(c.*data.label), ui::ToQString(data.prefix)));
  }
  const QString lens = c.LstLens->CurrentText();
  if (!lens.isEmpty()) shown.rows.append(Cells({QStringLiteral("Lens"), lens}));
  return shown;
}

}  // namespace

QList<ShownBlock> ShownFigures(const ui::FormControls& controls) {
  QList<ShownBlock> blocks;
  for (ResultTable table : optics::kResultTables) {
    blocks.append(TableBlockShown(controls, table));
  }
  blocks.append(IlluminationBlock(controls));
  if (ShownBlock selection = SelectionBlock(controls); !selection.rows.isEmpty()) {
    blocks.append(selection);
  }
  return blocks;
}

QString ResultsText(const QList<ShownBlock>& blocks) {
  QString text;
  for (const ShownBlock& block : blocks) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    for (const ShownRow& row : block.rows) text += row.cells.join(kTab) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace app
