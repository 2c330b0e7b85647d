#pragma once

#include <QObject>
#include <QString>

class QKeySequence;

namespace app {

class FrmMain;

// The window's own menu, opened on its background (the entry fields keep their
// edit menu): "Copy results", also on Ctrl+Shift+C anywhere in the window, which
// puts every calculator's figures on the clipboard; "Print…" (Ctrl+P) and
// "Export as PDF…" (Ctrl+Shift+E), which put the same figures on a sheet; and
// "About Focimetra".
class WindowMenu : public QObject {
  Q_OBJECT

 public:
  explicit WindowMenu(FrmMain& window);

  // Writes the sheet to the file chosen in the dialog, or says in a message box
  // why it could not.
  void ExportPdf(const QString& path);

 private:
  void AddAction(const QString& text, const QKeySequence& shortcut,
                 void (WindowMenu::*triggered)());
  void CopyResults_Triggered();
  void Print_Triggered();
  void ExportPdf_Triggered();
  void About_Triggered();

  FrmMain& window_;
};

}  // namespace app
