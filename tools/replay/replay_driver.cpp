#include "tools/replay/replay_driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "app/frm_main.h"
#include "tools/harness/keys.h"
#include "tools/harness/window_driver.h"
#include "tools/replay/state_report.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"
#include "ui/numeric_entry.h"

namespace tools {
ReplayDriver::ReplayDriver(app::FrmMain& window, QTextStream& out) : window_(window), out_(out) {
  qApp->installEventFilter(this);
}

bool ReplayDriver::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      out_ << "message\t-\t" << box->text() << '\n';
      out_.flush();
      ++boxesShown_;
      QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
    }
  }
  return QObject::eventFilter(watched, event);
}

QWidget& ReplayDriver::Control(const QString& name) const {
  QWidget* control = window_.Controls().byName.value(name);
  if (control == nullptr) throw ReplayError("unknown control \"" + name.toStdString() + "\"");
  return *control;
}

QWidget& ReplayDriver::UsableControl(const QString& name) const {
  QWidget& control = Control(name);
  if (!control.isEnabled()) throw ReplayError(name.toStdString() + " is disabled");
  return control;
}

void ReplayDriver::Focus(const QString& name) {
  QWidget& control = UsableControl(name);
  if (!harness::Focus(control)) throw ReplayError(name.toStdString() + " does not take the focus");
}

void ReplayDriver::Reactivate() {
  // A closed message box leaves the window to be activated again, as a window
  // manager would; the focus then returns to the control that had it.
  if (QApplication::activeWindow() == &window_) return;
  window_.activateWindow();
  if (!QTest::qWaitForWindowActive(&window_)) throw ReplayError("the window is not active");
}

QWidget& ReplayDriver::KeyTarget() {
  // A key of a typed text may have raised a message box before the next one.
  Reactivate();
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr) throw ReplayError("no control has the focus");
  return *target;
}

void ReplayDriver::SendKey(Qt::Key key, const QString& text) {
  harness::PressAndRelease([this]() -> QWidget& { return KeyTarget(); }, key, text);
}

void ReplayDriver::PressCharacter(const QString& character) {
  SendKey(harness::KeyOfCharacter(character), character);
}

void ReplayDriver::PressKey(const QString& key) {
  if (key.size() == 1 || (key.size() == 2 && key.front().isHighSurrogate())) {
    PressCharacter(key);
    return;
  }
  for (const harness::NamedKey& named : harness::NamedKeys()) {
    if (key != QLatin1String(named.name)) continue;
    SendKey(named.key, QString::fromLatin1(named.text));
    return;
  }
  throw ReplayError("unknown key \"" + key.toStdString() + "\"");
}

void ReplayDriver::Set(const QString& name, const QString& text) {
  auto* field = qobject_cast<ui::EntryField*>(&UsableControl(name));
  if (field == nullptr || field->isReadOnly()) {
    throw ReplayError(name.toStdString() + " is not an entry field");
  }
  // As a paste from the context menu: the whole text replaced, no key press.
  field->selectAll();
  field->insert(text);
}

void ReplayDriver::Click(const QString& name) {
  QWidget& control = UsableControl(name);
  if (qobject_cast<QCheckBox*>(&control) == nullptr &&
      qobject_cast<QRadioButton*>(&control) == nullptr) {
    throw ReplayError(name.toStdString() + " is not a check box or option button");
  }
  harness::ClickIndicator(control);
}

void ReplayDriver::Select(const QString& name, const QString& text) {
  auto* list = qobject_cast<ui::ListBox*>(&UsableControl(name));
  if (list == nullptr) throw ReplayError(name.toStdString() + " is not a list box");
  const QList<QListWidgetItem*> matches = list->findItems(text, Qt::MatchExactly);
  QListWidgetItem* first = nullptr;
  for (QListWidgetItem* item : matches) {
    if (first == nullptr || list->row(item) < list->row(first)) first = item;
  }
  if (first == nullptr) {
    throw ReplayError(name.toStdString() + " has no entry \"" + text.toStdString() + "\"");
  }
  harness::ClickEntry(*list, *first);
}

void ReplayDriver::Screenshot(const QString& path) {
  if (path.isEmpty() || !window_.grab().save(path, "PNG")) {
    throw ReplayError("cannot write the screenshot \"" + path.toStdString() + "\"");
  }
}

void ReplayDriver::Run(const ScriptLine& line) {
  const int boxesBefore = boxesShown_;
  const QString& action = line.action;
  // NAME TEXT actions keep the text after NAME whole, spaces included.
  if (action == QLatin1String("focus")) {
    Focus(line.name);
  } else if (action == QLatin1String("type")) {
    Focus(line.name);
    for (const QString& character : ui::Characters(line.text)) PressCharacter(character);
  } else if (action == QLatin1String("key")) {
    Focus(line.name);
    PressKey(line.text);
  } else if (action == QLatin1String("set")) {
    Set(line.name, line.text);
  } else if (action == QLatin1String("click")) {
    Click(line.name);
  } else if (action == QLatin1String("select")) {
    Select(line.name, line.text);
  } else if (action == QLatin1String("dump")) {
    const QStringList names =
        (line.name + QLatin1Char(' ') + line.text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& text : DumpLines(window_, names)) out_ << text << '\n';
  } else if (action == QLatin1String("layout")) {
    for (const QString& text : LayoutLines(window_)) out_ << text << '\n';
  } else if (action == QLatin1String("screenshot")) {
    Screenshot(line.name + (line.text.isEmpty() ? QString() : QLatin1Char(' ') + line.text));
  } else {
    throw ReplayError("unknown action \"" + action.toStdString() + "\"");
  }
  // Queued work, such as the warning on a pasted focal length, finishes within its
  // line, and the next line starts where a desktop would leave the window.
  QCoreApplication::processEvents();
  if (boxesShown_ != boxesBefore) Reactivate();
  out_.flush();
}

}  // namespace tools
