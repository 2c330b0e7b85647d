#include "tests/fuzz/action_generator.h"

#include <QApplication>
#include <QRadioButton>
#include <vector>

#include "app/frm_main.h"
#include "ui/control_table.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"

namespace fuzz {
namespace {

// Every entry field but the output, which the program alone writes.
std::vector<optics::Field> EditableFields() {
  std::vector<optics::Field> fields;
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    if (entry.role != optics::FieldRole::Output) fields.push_back(entry.field);
  }
  return fields;
}

Action KeyAction(const QString& target, const KeyStroke& stroke) {
  Action action;
  action.kind = ActionKind::Key;
  action.target = target;
  action.key = stroke.key;
  action.modifiers = stroke.modifiers;
  action.text = stroke.text;
  return action;
}

Action Simple(ActionKind kind, const QString& target, const QString& text = {}) {
  Action action;
  action.kind = kind;
  action.target = target;
  action.text = text;
  return action;
}

}  // namespace

QString ActionGenerator::AnyEditableField() {
  static const std::vector<optics::Field> kEditable = EditableFields();
  return ui::FieldName(
      kEditable[static_cast<std::size_t>(Pick(random_, static_cast<int>(kEditable.size())))]);
}

Action ActionGenerator::KeyIntoField() { return KeyAction(AnyEditableField(), RandomKey(random_)); }

Action ActionGenerator::KeyOnFocus(const app::FrmMain& window) {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr || !window.Controls().byName.contains(focus->objectName())) {
    return KeyIntoField();
  }
  const bool field = qobject_cast<const ui::EntryField*>(focus) != nullptr;
  return KeyAction(focus->objectName(), field ? RandomKey(random_) : RandomNavigationKey(random_));
}

Action ActionGenerator::OptionClick(const app::FrmMain& window) {
  const int index = Pick(random_, 3);
  const QRadioButton* option = window.Controls().OptCameraType[static_cast<std::size_t>(index)];
  if (!option->isEnabled()) return KeyIntoField();
  return Simple(ActionKind::Click, option->objectName());
}

Action ActionGenerator::ListChoice(const app::FrmMain& window) {
  std::vector<const ui::ListBox*> lists;
  for (const ui::ListBox* list : {window.Controls().LstCamera, window.Controls().LstLens}) {
    if (list->isEnabled() && list->count() > 0) lists.push_back(list);
  }
  if (lists.empty()) return KeyIntoField();
  const ui::ListBox* list =
      lists[static_cast<std::size_t>(Pick(random_, static_cast<int>(lists.size())))];
  Action action = Simple(ActionKind::Select, list->objectName());
  action.row = Pick(random_, list->count());
  action.text = list->item(action.row)->text();
  return action;
}

Action ActionGenerator::Next(const app::FrmMain& window) {
  const int roll = Pick(random_, 100);
  if (roll < 44) return KeyIntoField();
  if (roll < 52) return KeyOnFocus(window);
  if (roll < 56) {
    const QString text = Pick(random_, 2) == 0 ? RandomKey(random_).text : RandomOddText(random_);
    return Simple(ActionKind::Compose, AnyEditableField(), text);
  }
  if (roll < 63) return Simple(ActionKind::Paste, AnyEditableField(), RandomOddText(random_));
  if (roll < 67) {
    const auto order = ui::TabOrder();
    const std::string_view name =
        order[static_cast<std::size_t>(Pick(random_, static_cast<int>(order.size())))];
    return Simple(ActionKind::Focus, ui::ToQString(name));
  }
  if (roll < 70) return Simple(ActionKind::MouseFocus, AnyEditableField());
  if (roll < 76) return Simple(ActionKind::Click, QStringLiteral("ChkCameraSelect"));
  if (roll < 84) return OptionClick(window);
  if (roll < 95) return ListChoice(window);
  if (roll < 97) return Simple(ActionKind::Clipboard, {}, RandomOddText(random_));
  return KeyAction(AnyEditableField(), RandomShortcut(random_));
}

}  // namespace fuzz
