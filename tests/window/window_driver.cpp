#include "tests/window/window_driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include "app/frm_main.h"
#include "app/startup.h"
#include "ui/list_box.h"

std::unique_ptr<app::FrmMain> ActiveWindow() {
  app::PrepareApplication(*qApp);
  auto window = std::make_unique<app::FrmMain>();
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
  return window;
}

QWidget& WindowDriver::Control(const QString& name) const {
  QWidget* control = window_.Controls().byName.value(name);
  if (control == nullptr) qFatal("no control %s", qPrintable(name));
  return *control;
}

void WindowDriver::Click(const QString& name) {
  QWidget& button = Control(name);
  // On the indicator, which is always inside the clickable area.
  QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(7, button.height() / 2));
}

void WindowDriver::Select(const QString& list, const QString& text) {
  auto& box = static_cast<ui::ListBox&>(Control(list));
  const QList<QListWidgetItem*> items = box.findItems(text, Qt::MatchExactly);
  if (items.isEmpty()) qFatal("%s has no entry %s", qPrintable(list), qPrintable(text));
  box.scrollToItem(items.front());
  QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::NoModifier,
                    box.visualItemRect(items.front()).center());
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
