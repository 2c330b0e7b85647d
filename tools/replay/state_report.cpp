#include "tools/replay/state_report.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <map>

#include "app/frm_main.h"
#include "tools/replay/replay_driver.h"
#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"

namespace tools {
namespace {

// Control characters would break the line format.
QString Escaped(QString value) {
  value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
  value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
  return value;
}

QString ListValue(const ui::ListBox& list) {
  QStringList entries;
  for (int row = 0; row < list.count(); ++row) {
    const QListWidgetItem* item = list.item(row);
    entries.append((item == list.currentItem() ? QStringLiteral("*") : QString()) + item->text());
  }
  return entries.join(QLatin1Char('|'));
}

QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

bool IsReported(const QWidget* widget) {
  if (qobject_cast<const ui::EntryField*>(widget) != nullptr) return true;
  if (qobject_cast<const QCheckBox*>(widget) != nullptr) return true;
  if (qobject_cast<const QRadioButton*>(widget) != nullptr) return true;
  if (qobject_cast<const ui::ListBox*>(widget) != nullptr) return true;
  const QString name = widget->objectName();
  return name.startsWith(QLatin1String("Lbl_angle_")) || name.startsWith(QLatin1String("lbl_L_")) ||
         name.startsWith(QLatin1String("Lbl_L3")) || name.startsWith(QLatin1String("lbl_f_")) ||
         name.startsWith(QLatin1String("Lblccd")) || name.startsWith(QLatin1String("Lblfm")) ||
         name.startsWith(QLatin1String("LblPic_")) || name.startsWith(QLatin1String("FraCamera")) ||
         name == QLatin1String("FraLens");
}

QString ValueOf(const QWidget* widget) {
  if (const auto* field = qobject_cast<const ui::EntryField*>(widget)) return field->text();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* list = qobject_cast<const ui::ListBox*>(widget)) return ListValue(*list);
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    return Flag(button->isChecked());
  }
  return {};  // frames
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QStringList DumpLines(const app::FrmMain& window, const QStringList& names) {
  std::map<QByteArray, QString> lines;  // byte order of the names
  const auto add = [&](const QString& name, const QString& enabled, const QString& value) {
    lines[name.toUtf8()] = name + QLatin1Char('\t') + enabled + QLatin1Char('\t') + Escaped(value);
  };
  for (const QWidget* widget : window.Controls().byName) {
    if (IsReported(widget)) add(widget->objectName(), Flag(widget->isEnabled()), ValueOf(widget));
  }
  const app::WindowVariables& vars = window.Variables();
  const QString none = QStringLiteral("-");
  // As the texts the window's variables would read: empty while unset.
  const auto& range = vars.SelRange;
  add(QStringLiteral("SelCcd"), none,
      vars.SelCcd
          ? ui::ToQString(optics::kSensorFormats[static_cast<std::size_t>(*vars.SelCcd)].code)
          : QString());
  add(QStringLiteral("SelFmin"), none, range ? Q(range->fminText) : QString());
  add(QStringLiteral("SelFmax"), none, range ? Q(range->fmaxText) : QString());
  add(QStringLiteral("LastSizeBox"), none,
      vars.LastSizeBox ? ui::FieldName(*vars.LastSizeBox) : QString());
  const QWidget* focus = QApplication::focusWidget();
  add(QStringLiteral("focus"), none, focus != nullptr ? focus->objectName() : QString());

  for (const QString& name : names) {
    if (!lines.contains(name.toUtf8())) {
      throw ReplayError("unknown dump name \"" + name.toStdString() + "\"");
    }
  }
  QStringList out{QStringLiteral("dump")};
  for (const auto& [key, line] : lines) {
    if (names.isEmpty() || names.contains(QString::fromUtf8(key))) out.append(line);
  }
  out.append(QStringLiteral("end"));
  return out;
}

QStringList LayoutLines(const app::FrmMain& window) {
  QStringList out;
  for (const ui::ControlDesign& design : ui::ControlTable()) {
    const QString name = ui::ToQString(design.name);
    const QRect g = window.Controls().byName.value(name)->geometry();
    out.append(QStringLiteral("%1\t%2,%3,%4,%5")
                   .arg(name)
                   .arg(g.x())
                   .arg(g.y())
                   .arg(g.width())
                   .arg(g.height()));
  }
  return out;
}

}  // namespace tools
