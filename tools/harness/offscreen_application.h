#pragma once

#include <QApplication>

namespace harness {

// The application of a tool that drives the real window without a desktop: Qt's
// offscreen platform unless QT_QPA_PLATFORM names another, a plain line instead of
// an abort when the toolkit cannot start, and the program's own settings.
class OffscreenApplication : public QApplication {
 public:
  OffscreenApplication(int& argc, char** argv);
};

}  // namespace harness
