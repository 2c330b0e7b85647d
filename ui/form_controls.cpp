#include "ui/form_controls.h"

#include "ui/qt_text.h"

namespace ui {

QString FieldName(optics::Field field) { return ToQString(optics::FieldName(field)); }

QString ResultArrayName(optics::ResultTable table, int format) {
  // By table, then format in the order 1/4, 1/3, 1/2 type.
  static const std::array<std::array<const char*, optics::kFormatCount>, optics::kResultTableCount>
      kNames = {{
          {"Lbl_angle_4", "Lbl_angle_3", "Lbl_angle_2"},
          {"lbl_L_4", "Lbl_L3", "lbl_L_2"},
          {"lbl_f_4", "lbl_f_3", "lbl_f_2"},
      }};
  return QString::fromLatin1(
      kNames[static_cast<std::size_t>(table)][static_cast<std::size_t>(format)]);
}

QString MemberName(const QString& array, int index) {
  return QStringLiteral("%1(%2)").arg(array).arg(index);
}

}  // namespace ui
