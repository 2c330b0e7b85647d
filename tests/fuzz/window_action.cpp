#include "tests/fuzz/window_action.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QRadioButton>
#include <QTest>

#include "app/frm_main.h"
#include "tools/harness/window_driver.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"

namespace fuzz {
namespace {

QWidget* Usable(app::FrmMain& window, const QString& name) {
  QWidget* control = window.Controls().byName.value(name);
  if (control == nullptr || !control->isEnabled() || !control->isVisible()) return nullptr;
  return control;
}

// QTest asserts on a null receiver: with no focus widget the window takes the key.
QWidget& KeyReceiver(app::FrmMain& window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? *focus : window;
}

bool SendKey(app::FrmMain& window, const Action& action) {
  if (!action.target.isEmpty()) {
    QWidget* control = Usable(window, action.target);
    if (control == nullptr || !harness::Focus(*control)) return false;
  }
  harness::PressAndRelease([&window]() -> QWidget& { return KeyReceiver(window); },
                           static_cast<Qt::Key>(action.key), action.text, action.modifiers);
  return true;
}

bool Compose(app::FrmMain& window, const Action& action) {
  QWidget* control = Usable(window, action.target);
  if (control == nullptr || !harness::Focus(*control)) return false;
  QInputMethodEvent event;
  event.setCommitString(action.text);
  QApplication::sendEvent(control, &event);
  return true;
}

bool Paste(app::FrmMain& window, const Action& action) {
  auto* field = qobject_cast<ui::EntryField*>(Usable(window, action.target));
  if (field == nullptr || field->isReadOnly()) return false;
  field->selectAll();
  field->insert(action.text);
  return true;
}

bool MouseFocus(app::FrmMain& window, const Action& action) {
  QWidget* control = Usable(window, action.target);
  if (control == nullptr) return false;
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
  return true;
}

bool Click(app::FrmMain& window, const Action& action) {
  QWidget* control = Usable(window, action.target);
  if (qobject_cast<QCheckBox*>(control) == nullptr &&
      qobject_cast<QRadioButton*>(control) == nullptr) {
    return false;
  }
  harness::ClickIndicator(*control);
  return true;
}

bool Select(app::FrmMain& window, const Action& action) {
  auto* list = qobject_cast<ui::ListBox*>(Usable(window, action.target));
  if (list == nullptr || action.row < 0 || action.row >= list->count()) return false;
  harness::ClickEntry(*list, *list->item(action.row));
  return true;
}

bool IsControlShortcut(const Action& action, Qt::Key key) {
  return action.modifiers.testFlag(Qt::ControlModifier) && action.key == key;
}

}  // namespace

bool Execute(app::FrmMain& window, const Action& action) {
  switch (action.kind) {
    case ActionKind::Key:
      return SendKey(window, action);
    case ActionKind::Compose:
      return Compose(window, action);
    case ActionKind::Paste:
      return Paste(window, action);
    case ActionKind::Focus: {
      QWidget* control = Usable(window, action.target);
      return control != nullptr && harness::Focus(*control);
    }
    case ActionKind::MouseFocus:
      return MouseFocus(window, action);
    case ActionKind::Click:
      return Click(window, action);
    case ActionKind::Select:
      return Select(window, action);
    case ActionKind::Clipboard:
      QGuiApplication::clipboard()->setText(action.text);
      return true;
  }
  return false;
}

FieldEdit EditOf(const Action& action, const QString& focusName) {
  switch (action.kind) {
    case ActionKind::Paste:
      return {action.target, Edit::Paste};
    case ActionKind::Compose:
      return {action.target, Edit::Typing};
    case ActionKind::Key: {
      const QString field = action.target.isEmpty() ? focusName : action.target;
      const bool shiftInsert =
          action.modifiers.testFlag(Qt::ShiftModifier) && action.key == Qt::Key_Insert;
      if (IsControlShortcut(action, Qt::Key_V) || shiftInsert) return {field, Edit::Paste};
      if (IsControlShortcut(action, Qt::Key_Z) || IsControlShortcut(action, Qt::Key_Y)) {
        return {field, Edit::UndoRedo};
      }
      return {field, Edit::Typing};
    }
    default:
      return {};
  }
}

}  // namespace fuzz
