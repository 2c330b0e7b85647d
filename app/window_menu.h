#pragma once

#include <QObject>
#include <QString>

class QKeySequence;

namespace app {

class FrmMain;

// The window's own menu, on its background (the entry fields keep their edit
// menu): the figures to the clipboard, the printer or a PDF, and the About box.
class WindowMenu : public QObject {
  Q_OBJECT

 public:
  explicit WindowMenu(FrmMain& window);

  // Writes the sheet to path, or says in a message box why it could not.
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
