#pragma once

#include <QString>
#include <Qt>
#include <functional>
#include <memory>

class QListWidgetItem;
class QWidget;

namespace app {
class FrmMain;
}

namespace ui {
class ListBox;
}

namespace harness {

// Shows the window and waits until it is active, as a desktop makes a new window;
// false when it does not become active.
bool ShowActive(QWidget& window);

// The program's window, built after the application is prepared as the program
// prepares it, shown and active; null when it did not become active.
std::unique_ptr<app::FrmMain> ActiveWindow();

// What a person does to one control, through Qt's own events.
// Moves the focus into control as the Tab key does, unless it has it already;
// false when the control takes no focus.
bool Focus(QWidget& control);
// A click on a check box's or option button's indicator, which is always inside
// the clickable area.
void ClickIndicator(QWidget& button);
// A click on a list's entry, scrolled into view first.
void ClickEntry(ui::ListBox& list, QListWidgetItem& entry);
// A key press and its release, each sent to the receiver of that moment: the press
// may move the focus (Tab) or show and close a message box.
void PressAndRelease(const std::function<QWidget&()>& receiver, Qt::Key key, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Drives the real window by control name, for tests that know the window: a
// missing control or entry ends the test program.
class WindowDriver {
 public:
  explicit WindowDriver(app::FrmMain& window) : window_(window) {}

  QWidget& Control(const QString& name) const;
  void Click(const QString& name);
  void Select(const QString& list, const QString& text);
  // Tabs into the field (which selects its text) and types text over it; an empty
  // text empties the field.
  void Type(const QString& field, const QString& text);
  // Ticks "Lens Select" and chooses the camera type (index) and the camera.
  void ChooseCamera(int type, const QString& model);

 private:
  app::FrmMain& window_;
};

}  // namespace harness
