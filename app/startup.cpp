#include "app/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "app/command_line.h"
#include "app/frm_main.h"
#include "ui/fonts.h"
#include "ui/window_style.h"

namespace app {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// What the toolkit said before the window could be built: printed once start-up
// succeeds, replaced by one line of ours when it fails.
QStringList& StartupMessages() {
  static QStringList messages;
  return messages;
}

void StartupFailureHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    StartupMessages().append(message);
    return;
  }
  if (!StartupMessages().filter(QStringLiteral("could not connect to display")).isEmpty()) {
    std::fprintf(stderr,
                 "focimetra: cannot open a window: the display \"%s\" cannot be reached; "
                 "start it from a desktop session\n",
                 qPrintable(qEnvironmentVariable("DISPLAY")));
  } else if (message.contains(QStringLiteral("platform plugin"))) {
    std::fprintf(stderr,
                 "focimetra: cannot open a window: the Qt platform plugin could not be loaded "
                 "(is the display reachable and the Qt platform package installed?)\n");
  } else {
    std::fprintf(stderr, "focimetra: %s\n", qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
  }
  std::_Exit(1);
}

}  // namespace

std::string MissingDisplayReason() {
  if (IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM")) return {};
  return "focimetra: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
         "start it from a desktop session";
}

void InstallStartupFailureHandler() { qInstallMessageHandler(StartupFailureHandler); }

void PrepareApplication(QApplication& application) {
  qInstallMessageHandler(nullptr);  // the toolkit is up: messages go the usual way
  for (const QString& message : std::exchange(StartupMessages(), {})) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
  QApplication::setApplicationName(QStringLiteral("Focimetra"));
  QApplication::setApplicationDisplayName(QStringLiteral("Focimetra"));
  QApplication::setDesktopFileName(QStringLiteral("io.github.focimetra.Focimetra"));
  application.setStyle(new ui::WindowStyle);
  ui::RegisterFontSubstitutes();
}

int RunProgram(int argc, char* argv[], const std::function<void(FrmMain&)>& beforeShow) {
  if (const std::optional<int> status = HandleCommandLine(argc, argv)) return *status;
  if (const std::string reason = MissingDisplayReason(); !reason.empty()) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  InstallStartupFailureHandler();
  QApplication application(argc, argv);
  PrepareApplication(application);
  FrmMain window;
  if (beforeShow) beforeShow(window);
  window.show();
  return QApplication::exec();
}

}  // namespace app
