#include "app/results_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <utility>

#include "app/camera_data_captions.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"

namespace app {
namespace {

using optics::Field;
using optics::ResultTable;

const QChar kTab = QLatin1Char('\t');

struct Input {
  const char* caption;  // the label beside the field
  Field field;
};

struct TableBlock {
  const char* frame;
  std::initializer_list<Input> inputs;
  std::initializer_list<const char*> headings;  // the row-title column first
  ResultTable table;
};

const TableBlock kTables[] = {
    {"FraAngle",
     {{"Label4(0)", Field::Txt_ang_f}, {"Label4(1)", Field::Txt_ang_L}},
     {"Label4(2)", "Label4(9)", "Label4(8)", "Label4(7)", "Label4(6)", "Label4(5)", "Label4(4)"},
     ResultTable::AngleOfView},
    {"Frame1",
     {{"Label4(10)", Field::Txt_L_f},
      {"Label4(3)", Field::Txt_L_W},
      {"Label4(18)", Field::Txt_L_H}},
     {"Label4(12)", "Label4(11)"},
     ResultTable::Distance},
    {"Frame2",
     {{"Label4(16)", Field::TxtWandL_W},
      {"Label4(17)", Field::TxtWandL_H},
      {"Label4(15)", Field::TxtWandL_L}},
     {"Label4(13)", "Label4(14)"},
     ResultTable::FocalLength},
};

// The converter's fields stand between "Lux at F" captions that name none of them
// alone: they go by their accessible names, without the calculator's.
constexpr Field kIlluminationFields[] = {Field::Txtillumination_M0, Field::Txt_F0, Field::Txt_F1,
                                         Field::Txtillumination_M1};

template <typename T>
T& Named(const ui::FormControls& c, const char* name) {
  return *qobject_cast<T*>(c.byName.value(QString::fromLatin1(name)));
}

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

ShownBlock TableBlockShown(const ui::FormControls& c, const TableBlock& block) {
  ShownBlock shown = Captioned(Named<QGroupBox>(c, block.frame).title());
  for (const Input& input : block.inputs) {
    shown.rows.append(InputRow(Named<QLabel>(c, input.caption).text(), c.Field(input.field)));
  }
  shown.tableRow = static_cast<int>(shown.rows.size());
  QStringList headings;
  for (const char* heading : block.headings) headings.append(Named<QLabel>(c, heading).text());
  shown.rows.append(Cells(headings));
  for (int format = 0; format < optics::kFormatCount; ++format) {
    ShownRow row;
    row.greyed = !c.Result({block.table, format, 0}).isEnabled();
    for (int element = 0; element <= optics::ValueCount(block.table); ++element) {
      const QLabel& label = c.Result({block.table, format, element});
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

ShownBlock IlluminationBlock(const ui::FormControls& c) {
  ShownBlock shown = Captioned(Named<QGroupBox>(c, "Fraillumination").title());
  for (Field field : kIlluminationFields) {
    const ui::EntryField& box = c.Field(field);
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
    shown.rows.append(CameraDataRow(*(c.*data.label), data.prefix));
  }
  const QString lens = c.LstLens->CurrentText();
  if (!lens.isEmpty()) shown.rows.append(Cells({QStringLiteral("Lens"), lens}));
  return shown;
}

}  // namespace

QList<ShownBlock> ShownFigures(const ui::FormControls& controls) {
  QList<ShownBlock> blocks;
  for (const TableBlock& block : kTables) blocks.append(TableBlockShown(controls, block));
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
