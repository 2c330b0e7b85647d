#pragma once

#include <future>
#include <thread>

#include "ui/decoded_pictures.h"

namespace app {

// Start-up work that needs neither the display nor the window, done on a thread
// of its own while the toolkit connects to the display. Fontconfig reads its
// configuration and font caches, which it would otherwise do when the window
// first measures a text, and then the window's common pictures are decoded.
class StartupPreload {
 public:
  // Call on the thread that will run the application, before anything else of Qt.
  StartupPreload();
  ~StartupPreload();
  StartupPreload(const StartupPreload&) = delete;
  StartupPreload& operator=(const StartupPreload&) = delete;

  // Waits until fontconfig is loaded: loading it again beside the thread would
  // take longer than waiting for it.
  void AwaitFonts();
  // The pictures, still being decoded perhaps: the window waits for them when
  // it first needs one. Empty when no thread could be started, and then the
  // window reads its pictures itself.
  ui::DecodedPictures Pictures();

 private:
  std::promise<void> fontsLoaded_;
  std::promise<ui::DecodedPictures::Images> picturesDecoded_;
  std::future<void> fonts_;
  std::future<ui::DecodedPictures::Images> pictures_;
  std::thread thread_;
};

}  // namespace app
