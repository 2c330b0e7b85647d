#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>

namespace app {
namespace {

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

// The toolkit's options, with a value and without; the help names the first three.
constexpr const char* kQtValueOptions[] = {
    "platform", "style",           "display",     "platformpluginpath", "platformtheme",
    "plugin",   "qwindowgeometry", "qwindowicon", "qwindowtitle",       "stylesheet",
    "geometry", "session",         "title"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

}  // namespace

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

}  // namespace app
