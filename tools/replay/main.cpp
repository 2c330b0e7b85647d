// focimetra-replay: drives the real window from a script (standard input, or the
// file named as the argument) and prints what the script asks for.
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "app/frm_main.h"
#include "tools/harness/offscreen_application.h"
#include "tools/harness/window_driver.h"
#include "tools/replay/replay_driver.h"
#include "tools/replay/script.h"

namespace {

constexpr int kFailure = 2;

bool ReadScript(int argc, char* argv[], QString& script) {
  QFile file;
  const bool fromFile = argc > 1;
  if (fromFile) {
    file.setFileName(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) return false;
  } else if (!file.open(stdin, QIODevice::ReadOnly)) {
    return false;
  }
  script = QString::fromUtf8(file.readAll());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  harness::OffscreenApplication application(argc, argv);

  QString script;
  if (!ReadScript(argc, argv, script)) {
    std::fprintf(stderr, "focimetra-replay: cannot read the script %s\n", argc > 1 ? argv[1] : "");
    return kFailure;
  }

  app::FrmMain window;
  if (!harness::ShowActive(window)) {
    std::fprintf(stderr, "focimetra-replay: the window did not become active\n");
    return kFailure;
  }

  QTextStream out(stdout);
  tools::ReplayDriver driver(window, out);
  for (const tools::ScriptLine& line : tools::ParseScript(script)) {
    try {
      driver.Run(line);
    } catch (const tools::ReplayError& error) {
      out.flush();
      std::fprintf(stderr, "line %d: %s\n", line.number, error.what());
      return kFailure;
    }
  }
  return 0;
}
