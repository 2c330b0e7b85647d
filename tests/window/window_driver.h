#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace app {
class FrmMain;
}

// The program's window, built after the application is prepared as the program
// prepares it, shown and active; null when it did not become active.
std::unique_ptr<app::FrmMain> ActiveWindow();

// Drives the real window as a person does, by control name: clicks on check boxes
// and option buttons, choices in lists, text typed into entry fields.
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
