#pragma once

#include <optional>

namespace app {

// Answers --help and --version and refuses an unknown option, with no display
// needed: the status to exit with, or nothing when the window is to open. The
// toolkit's own options (-platform, -style, -display and the rest) are let
// through for the application to take.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace app
