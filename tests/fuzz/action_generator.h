#pragma once

#include <cstdint>

#include "tests/fuzz/key_catalogue.h"
#include "tests/fuzz/window_action.h"

namespace app {
class FrmMain;
}

namespace fuzz {

// Draws random actions from a seed, looking at the window only to aim at what a
// user could reach: options and list entries only while they are enabled, and
// keys for a list or a button when one of those has the focus.
class ActionGenerator {
 public:
  explicit ActionGenerator(std::uint64_t seed) : random_(seed) {}

  Action Next(const app::FrmMain& window);

 private:
  Action KeyIntoField();
  Action KeyOnFocus(const app::FrmMain& window);
  Action OptionClick(const app::FrmMain& window);
  Action ListChoice(const app::FrmMain& window);
  QString AnyEditableField();

  Random random_;
};

}  // namespace fuzz
