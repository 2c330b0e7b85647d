#include "ui/accessibility.h"

#include <QGroupBox>

#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

using optics::ResultTable;

const char* TableName(ResultTable table) {
  switch (table) {
    case ResultTable::AngleOfView:
      return "angle of view";
    case ResultTable::Distance:
      return "object distance";
    case ResultTable::FocalLength:
      return "focal length";
  }
  return "";
}

QString ColumnHeading(ResultTable table, int element) {
  // The focal-length heading on the window reads "f[m]"; its values are millimetres.
  if (table == ResultTable::FocalLength) return QStringLiteral("f[mm]");
  return ToQString(ValueColumnHeading(table, element));
}

}  // namespace

void DescribeForAssistiveTechnology(const FormControls& controls) {
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    controls.Field(entry.field).setAccessibleName(ToQString(entry.accessibleName));
  }
  for (ResultTable table : optics::kResultTables) {
    for (int format = 0; format < optics::kFormatCount; ++format) {
      const QString row =
          ToQString(optics::kSensorFormats[static_cast<std::size_t>(format)].caption);
      const QString calculator = QString::fromLatin1(TableName(table));
      controls.Result({table, format, 0})
          .setAccessibleDescription(QStringLiteral("row title, %1").arg(calculator));
      for (int element = 1; element <= optics::ValueCount(table); ++element) {
        // The label's text stays its accessible name, so a screen reader reads the value.
        controls.Result({table, format, element})
            .setAccessibleDescription(
                QStringLiteral("%1, %2, %3").arg(row, ColumnHeading(table, element), calculator));
      }
    }
  }
  controls.FraCameraSlect->setAccessibleName(QStringLiteral("Camera and lens selection"));
  controls.LstCamera->setAccessibleName(QStringLiteral("Camera models"));
  controls.LstLens->setAccessibleName(QStringLiteral("Lens models"));
}

}  // namespace ui
