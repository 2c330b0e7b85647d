#include "app/startup_preload.h"

#include <QThread>
#include <system_error>

#include "app/frm_main.h"

#ifdef FOCIMETRA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace app {

StartupPreload::StartupPreload()
    : fonts_(fontsLoaded_.get_future()), pictures_(picturesDecoded_.get_future()) {
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
      fontsLoaded_.set_value();
      picturesDecoded_.set_value(ui::DecodedPictures::Decode(FrmMain::CommonPictures()));
    });
  } catch (const std::system_error&) {
    // No thread: the same work is done where it is needed.
    fonts_ = {};
    pictures_ = {};
  }
}

StartupPreload::~StartupPreload() {
  if (thread_.joinable()) thread_.join();
}

void StartupPreload::AwaitFonts() {
  if (fonts_.valid()) fonts_.get();
}

ui::DecodedPictures StartupPreload::Pictures() { return ui::DecodedPictures(std::move(pictures_)); }

}  // namespace app
