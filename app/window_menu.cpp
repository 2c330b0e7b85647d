#include "app/window_menu.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "app/frm_main.h"
#include "app/results_sheet.h"
#include "app/results_text.h"

namespace app {

WindowMenu::WindowMenu(FrmMain& window) : QObject(&window), window_(window) {
  AddAction(QStringLiteral("Copy results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
            &WindowMenu::CopyResults_Triggered);
  AddAction(QStringLiteral("Print…"), QKeySequence::Print, &WindowMenu::Print_Triggered);
  AddAction(QStringLiteral("Export as PDF…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
            &WindowMenu::ExportPdf_Triggered);
  AddAction(QStringLiteral("About Focimetra"), {}, &WindowMenu::About_Triggered);
  // Widgets with a menu of their own (the entry fields) keep it; a right click
  // anywhere else comes up to the window.
  window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void WindowMenu::AddAction(const QString& text, const QKeySequence& shortcut,
                           void (WindowMenu::*triggered)()) {
  auto* action = new QAction(text, &window_);
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, triggered);
  window_.addAction(action);
}

void WindowMenu::CopyResults_Triggered() {
  QGuiApplication::clipboard()->setText(ResultsText(ShownFigures(window_.Controls())));
}

void WindowMenu::Print_Triggered() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(LocalePageSize());
  printer.setFullPage(true);  // the sheet keeps its own margins
  printer.setDocName(window_.windowTitle());
  QPrintDialog dialog(&printer, &window_);
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter;
  if (!painter.begin(&printer)) {
    const QString file = printer.outputFileName();
    QMessageBox::warning(&window_, window_.windowTitle(),
                         QStringLiteral("The sheet could not be printed%1.")
                             .arg(file.isEmpty() ? QString() : QStringLiteral(" to ") + file));
    return;
  }
  DrawSheet(painter, printer, ShownFigures(window_.Controls()));
}

void WindowMenu::ExportPdf_Triggered() {
  // A documents folder that does not exist would send the dialog elsewhere.
  QDir folder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  if (!folder.exists()) folder = QDir::home();
  const QString proposed = folder.filePath(
      QDate::currentDate().toString(QStringLiteral("'focimetra-'yyyy-MM-dd'.pdf'")));
  // The dialog asks before an existing file is replaced.
  const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Export as PDF"),
                                                    proposed, QStringLiteral("PDF files (*.pdf)"));
  if (!path.isEmpty()) ExportPdf(path);
}

void WindowMenu::ExportPdf(const QString& path) {
  if (const QString reason = ExportSheet(ShownFigures(window_.Controls()), path);
      !reason.isEmpty()) {
    QMessageBox::warning(&window_, window_.windowTitle(),
                         QStringLiteral("The sheet could not be written to %1: %2")
                             .arg(QDir::toNativeSeparators(path), reason));
  }
}

void WindowMenu::About_Triggered() {
  const QString about =
      QStringLiteral(
          "Focimetra %1\n\n"
          "A calculator for planning CCTV installations: the angle of view, object "
          "distance and focal length for the 1/4, 1/3 and 1/2 type sensor formats, and "
          "minimum illumination at another F-number.\n\n"
          "Released under the MIT licence.\n"
          "Qt %2")
          .arg(QStringLiteral(FOCIMETRA_VERSION), QString::fromLatin1(qVersion()));
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About Focimetra"), about, QMessageBox::Ok,
                  &window_);
  box.setIconPixmap(window_.windowIcon().pixmap(64, 64));
  box.exec();
}

}  // namespace app
