#include "app/startup_preload.h"

#include <QThread>
#include <system_error>
#include <utility>

#include "app/frm_main.h"

#ifdef FOCIMETRA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace app {

StartupPreload::StartupPreload() {
  // Qt makes the first thread that asks for its thread data the main thread;
  // that must be this one, not the helper below.
  QThread::currentThread();
  try {
    thread_ = std::thread([this] {
#ifdef FOCIMETRA_HAVE_FONTCONFIG
      // Loaded once per process; should the toolkit get there first, fontconfig
      // keeps one of the two configurations and drops the other.
      FcInit();
#endif
      pictures_ = ui::DecodedPictures::Decode(FrmMain::CommonPictures());
    });
  } catch (const std::system_error&) {
    // No thread: the same work is done where it is needed.
  }
}

StartupPreload::~StartupPreload() { Finish(); }

void StartupPreload::Finish() {
  if (thread_.joinable()) thread_.join();
}

ui::DecodedPictures StartupPreload::TakePictures() {
  Finish();
  return std::exchange(pictures_, {});
}

}  // namespace app
