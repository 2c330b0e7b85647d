#pragma once

#include <functional>
#include <string>

class QApplication;

namespace app {

class FrmMain;

// Why the window cannot open here (no display and no platform chosen), or empty:
// the toolkit would abort with a long message instead.
std::string MissingDisplayReason();

// A fatal toolkit start-up failure (a missing platform plugin) ends the program
// with one plain line and status 1 instead of an abort.
void InstallStartupFailureHandler();

// Name, style and font substitutes, set once before the window is built.
void PrepareApplication(QApplication& application);

// From launch to exit: the command line, the display check, the window and the
// event loop. beforeShow sees the window just before it is shown (for benchmarks).
int RunProgram(int argc, char* argv[], const std::function<void(FrmMain&)>& beforeShow = {});

}  // namespace app
