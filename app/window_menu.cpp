#include "app/window_menu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/frm_main.h"
#include "app/results_text.h"

namespace app {
namespace {

// Version, what the program is, its licence and the Qt it runs on.
QString AboutText() {
  return QStringLiteral(
             "Focimetra %1\n\n"
             "A calculator for planning CCTV installations: the angle of view, object "
             "distance and focal length for the 1/4, 1/3 and 1/2 type sensor formats, and "
             "minimum illumination at another F-number.\n\n"
             "Released under the MIT licence.\n"
             "Qt %2")
      .arg(QStringLiteral(FOCIMETRA_VERSION), QString::fromLatin1(qVersion()));
}

}  // namespace

WindowMenu::WindowMenu(FrmMain& window)
    : QObject(&window),
      window_(window),
      about_(new QAction(QStringLiteral("About Focimetra"), &window)) {
  auto* copyResults = new QAction(QStringLiteral("Copy results"), &window);
  copyResults->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyResults->setShortcutContext(Qt::WindowShortcut);
  connect(copyResults, &QAction::triggered, this, &WindowMenu::CopyResults_Triggered);
  connect(about_, &QAction::triggered, this, &WindowMenu::About_Triggered);
  window.addAction(copyResults);
  window.addAction(about_);
  // Widgets with a menu of their own (the entry fields) keep it; a right click
  // anywhere else comes up to the window.
  window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void WindowMenu::CopyResults_Triggered() {
  QGuiApplication::clipboard()->setText(ResultsText(window_.Controls()));
}

void WindowMenu::About_Triggered() {
  QMessageBox box(QMessageBox::NoIcon, about_->text(), AboutText(), QMessageBox::Ok, &window_);
  box.setIconPixmap(window_.windowIcon().pixmap(64, 64));
  box.exec();
}

}  // namespace app
