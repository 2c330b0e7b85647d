#include "app/results_text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

QString Line(const QString& name, const QString& value) { return name + kTab + value; }

QStringList TableLines(const ui::FormControls& c, const TableBlock& block) {
  QStringList lines{Named<QGroupBox>(c, block.frame).title()};
  for (const Input& input : block.inputs) {
    lines.append(Line(Named<QLabel>(c, input.caption).text(), c.Field(input.field).text()));
  }
  QStringList headings;
  for (const char* heading : block.headings) headings.append(Named<QLabel>(c, heading).text());
  lines.append(headings.join(kTab));
  for (int format = 0; format < optics::kFormatCount; ++format) {
    QStringList cells;
    for (int element = 0; element <= optics::ValueCount(block.table); ++element) {
      cells.append(c.Result({block.table, format, element}).text());
    }
    if (!c.Result({block.table, format, 0}).isEnabled()) cells.append(QStringLiteral("greyed"));
    lines.append(cells.join(kTab));
  }
  return lines;
}

QStringList IlluminationLines(const ui::FormControls& c) {
  QStringList lines{Named<QGroupBox>(c, "Fraillumination").title()};
  for (Field field : kIlluminationFields) {
    const ui::EntryField& box = c.Field(field);
    lines.append(Line(box.accessibleName().section(QStringLiteral(": "), 1), box.text()));
  }
  return lines;
}

// Each camera-data label as its caption's name and the value after the prefix.
QString CameraDataLine(const QLabel& label, const QString& prefix) {
  const QString name = prefix.mid(1).chopped(1).trimmed();
  return Line(name, label.text().mid(prefix.size()));
}

QStringList SelectionLines(const ui::FormControls& c) {
  const QString camera = c.LstCamera->CurrentText();
  if (camera.isEmpty()) return {};
  QStringList lines{c.ChkCameraSelect->text()};
  for (const QRadioButton* option : c.OptCameraType) {
    if (option->isChecked()) lines.append(Line(c.FraCameraType->title(), option->text()));
  }
  lines.append(Line(QStringLiteral("Camera"), camera));
  for (const CameraDataLabel& data : kCameraDataLabels) {
    lines.append(CameraDataLine(*(c.*data.label), data.prefix));
  }
  const QString lens = c.LstLens->CurrentText();
  if (!lens.isEmpty()) lines.append(Line(QStringLiteral("Lens"), lens));
  return lines;
}

}  // namespace

QString ResultsText(const ui::FormControls& controls) {
  QList<QStringList> blocks;
  for (const TableBlock& block : kTables) blocks.append(TableLines(controls, block));
  blocks.append(IlluminationLines(controls));
  if (QStringList selection = SelectionLines(controls); !selection.isEmpty()) {
    blocks.append(selection);
  }
  QString text;
  for (const QStringList& block : blocks) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += block.join(QLatin1Char('\n')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace app
