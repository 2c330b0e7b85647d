#pragma once

#include <QObject>

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

 private:
  void CopyResults_Triggered();
  void About_Triggered();

  FrmMain& window_;
  QAction* about_;
};

}  // namespace app
