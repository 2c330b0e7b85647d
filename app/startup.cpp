#include "app/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "app/frm_main.h"
#include "ui/fonts.h"
#include "ui/window_style.h"

namespace app {
namespace {

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

constexpr const char* kUsage =
    "Usage: focimetra [option]\n"
    "Focimetra, a calculator for planning CCTV installations. Without an option it\n"
    "opens its window.\n"
    "\n"
    "Options:\n"
    "  -h, --help        Shows this help and exits.\n"
    "  -v, --version     Shows the version and exits.\n"
    "\n"
    "Qt's own options, passed on to the toolkit:\n"
    "  -platform NAME    The platform plugin: xcb, wayland or offscreen.\n"
    "  -style STYLE      Accepted; the window keeps its own look.\n"
    "  -display DISPLAY  The X display to open the window on.\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM   The platform plugin, as -platform.\n"
    "  QT_SCALE_FACTOR   Scales the window, such as 1.5 or 2 on dense screens.\n";

// The toolkit's options, with a value and without, which QApplication takes later.
constexpr const char* kQtValueOptions[] = {
    "platform", "style",           "display",     "platformpluginpath", "platformtheme",
    "plugin",   "qwindowgeometry", "qwindowicon", "qwindowtitle",       "stylesheet",
    "geometry", "session",         "title"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// --help, --version and an unknown option, with no display needed: the status to
// exit with, or nothing when the window is to open.
std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOptions({help, version});
  for (const char* name : kQtValueOptions) {
    parser.addOption({QString::fromLatin1(name), {}, QStringLiteral("value")});
  }
  for (const char* name : kQtFlags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "focimetra: %s\n", qPrintable(parser.errorText()));
    return 1;
  }
  if (parser.isSet(version)) {
    std::printf("focimetra %s\n", FOCIMETRA_VERSION);
    return 0;
  }
  if (parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  return std::nullopt;
}

}  // namespace

std::string MissingDisplayReason() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!qEnvironmentVariableIsEmpty(variable)) return {};
  }
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
