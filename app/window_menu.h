#pragma once

#include <QObject>
#include <QString>

class QAction;

namespace app {

class FrmMain;

// The window's own menu, opened on its background (the entry fields keep their
// edit menu): "Copy results", also on Ctrl+Shift+C anywhere in the window, which
// puts every calculator's figures on the clipboard; and "About Focimetra".
class WindowMenu : public QObject {
  Q_OBJECT

 public:
  explicit WindowMenu(FrmMain& window);

  QAction* CopyResults() const { return copyResults_; }
  QAction* About() const { return about_; }

 private:
  void CopyResults_Triggered();
  void About_Triggered();

  FrmMain& window_;
  QAction* copyResults_;
  QAction* about_;
};

// Version, what the program is, its licence and the Qt it runs on.
QString AboutText();

}  // namespace app
