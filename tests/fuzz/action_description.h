#pragma once

#include <QString>

#include "tests/fuzz/window_action.h"

namespace fuzz {

// The action as a line of a replay script where the replay language can say it
// (focus, key, set, click, select), else as a "#" comment that says what was done,
// with unprintable characters written as \xNN or \uNNNN.
QString Describe(const Action& action);

}  // namespace fuzz
