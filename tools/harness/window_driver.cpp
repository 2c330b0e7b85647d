#include "tools/harness/window_driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include "app/frm_main.h"
#include "app/startup.h"
#include "ui/list_box.h"

namespace harness {

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

std::unique_ptr<app::FrmMain> ActiveWindow() {
  app::PrepareApplication(*qApp);
  auto window = std::make_unique<app::FrmMain>();
  if (!ShowActive(*window)) return nullptr;
  return window;
}

bool Focus(QWidget& control) {
  if (control.focusPolicy() == Qt::NoFocus) return false;
  if (QApplication::focusWidget() != &control) control.setFocus(Qt::TabFocusReason);
  return true;
}

void ClickIndicator(QWidget& button) {
  QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(7, button.height() / 2));
}

void ClickEntry(ui::ListBox& list, QListWidgetItem& entry) {
  list.scrollToItem(&entry);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                    list.visualItemRect(&entry).center());
}

void PressAndRelease(const std::function<QWidget&()>& receiver, Qt::Key key, const QString& text,
                     Qt::KeyboardModifiers modifiers) {
  QTest::sendKeyEvent(QTest::Press, &receiver(), key, text, modifiers);
  QTest::sendKeyEvent(QTest::Release, &receiver(), key, text, modifiers);
}

QWidget& WindowDriver::Control(const QString& name) const {
  QWidget* control = window_.Controls().byName.value(name);
  if (control == nullptr) qFatal("no control %s", qPrintable(name));
  return *control;
}

void WindowDriver::Click(const QString& name) { ClickIndicator(Control(name)); }

void WindowDriver::Select(const QString& list, const QString& text) {
  auto& box = static_cast<ui::ListBox&>(Control(list));
  const QList<QListWidgetItem*> items = box.findItems(text, Qt::MatchExactly);
  if (items.isEmpty()) qFatal("%s has no entry %s", qPrintable(list), qPrintable(text));
  ClickEntry(box, *items.front());
}

void WindowDriver::Type(const QString& field, const QString& text) {
  QWidget& box = Control(field);
  box.clearFocus();
  box.setFocus(Qt::TabFocusReason);
  if (text.isEmpty()) {
    QTest::keyClick(&box, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(&box, text);
  }
}

void WindowDriver::ChooseCamera(int type, const QString& model) {
  if (!static_cast<QCheckBox&>(Control(QStringLiteral("ChkCameraSelect"))).isChecked()) {
    Click(QStringLiteral("ChkCameraSelect"));
  }
  Click(QStringLiteral("OptCameraType(%1)").arg(type));
  Select(QStringLiteral("LstCamera"), model);
}

}  // namespace harness
