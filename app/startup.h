#pragma once

#include <functional>
#include <string>

class QApplication;

namespace app {

class FrmMain;

// Why the program cannot open its window here, or empty when it can: without a
// display (and no platform chosen) the toolkit would abort with a long message.
std::string MissingDisplayReason();

// Lets a fatal toolkit start-up failure (such as a missing platform plugin) end
// the program with one plain line and status 1 instead of an abort.
void InstallStartupFailureHandler();

// Application-wide settings made once before the window is built: name, style
// and the font substitutes of the window's faces.
void PrepareApplication(QApplication& application);

// The program from launch to exit: answers the command line, checks for a
// display, builds the application and the window, shows it and runs the event
// loop. beforeShow, when given, sees the window just before it is shown (the
// start-up benchmark watches it there).
int RunProgram(int argc, char* argv[], const std::function<void(FrmMain&)>& beforeShow = {});

}  // namespace app
