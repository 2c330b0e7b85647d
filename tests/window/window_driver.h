#pragma once
// The window tests drive the window through the harness's driver.
#include "tools/harness/window_driver.h"

using harness::ActiveWindow;
using harness::WindowDriver;
