#include "tools/harness/offscreen_application.h"

#include "app/startup.h"

namespace harness {
namespace {

// Runs before the application is built, which is when the platform is chosen.
int& BeforeApplication(int& argc) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app::InstallStartupFailureHandler();
  return argc;
}

}  // namespace

OffscreenApplication::OffscreenApplication(int& argc, char** argv)
    : QApplication(BeforeApplication(argc), argv) {
  app::PrepareApplication(*this);
}

}  // namespace harness
