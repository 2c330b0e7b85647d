// The program's start-up exactly as app/main.cpp runs it, with a probe that reports
// when the window first paints and then quits. The program itself carries no hooks.
#include <memory>

#include "app/frm_main.h"
#include "app/startup.h"
#include "bench/first_frame_probe.h"

int main(int argc, char* argv[]) {
  std::unique_ptr<bench::FirstFrameProbe> probe;
  return app::RunProgram(argc, argv, [&probe](app::FrmMain& window) {
    probe = std::make_unique<bench::FirstFrameProbe>(window);
  });
}
