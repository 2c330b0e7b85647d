#pragma once

#include <thread>

#include "ui/decoded_pictures.h"

namespace app {

// Start-up work that needs neither the display nor the window, done on a thread
// of its own while the toolkit connects to the display. Fontconfig reads its
// configuration and font caches, which it would otherwise do when the window
// first measures a text, and the window's common pictures are decoded. Both
// would otherwise hold up the window's first frame.
class StartupPreload {
 public:
  // Call on the thread that will run the application, before anything else of Qt.
  StartupPreload();
  ~StartupPreload();
  StartupPreload(const StartupPreload&) = delete;
  StartupPreload& operator=(const StartupPreload&) = delete;

  // The decoded pictures, once the thread is done; empty when it could not be
  // started, and then the window reads its pictures itself.
  ui::DecodedPictures TakePictures();

 private:
  void Finish();

  std::thread thread_;
  ui::DecodedPictures pictures_;
};

}  // namespace app
