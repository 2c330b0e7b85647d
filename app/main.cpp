#include <QApplication>
#include <cstdio>

#include "app/frm_main.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
  if (const std::string reason = app::MissingDisplayReason(); !reason.empty()) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  app::InstallStartupFailureHandler();
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::FrmMain window;
  window.show();
  return QApplication::exec();
}
