// The program's start-up as app/main.cpp does it, with a probe that reports when
// the window first paints and then quits. The program itself carries no hooks.
#include <QApplication>
#include <cstdio>

#include "app/frm_main.h"
#include "app/startup.h"
#include "bench/first_frame_probe.h"

int main(int argc, char* argv[]) {
  if (const std::string reason = app::MissingDisplayReason(); !reason.empty()) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  app::InstallStartupFailureHandler();
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::FrmMain window;
  bench::FirstFrameProbe probe(window);
  window.show();
  return QApplication::exec();
}
