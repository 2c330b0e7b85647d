#pragma once

#include <cstdint>

namespace ui {

// The code of a typed character as a key handler sees it; a handler may replace it
// before the field applies it.
using KeyCode = std::int16_t;

inline constexpr KeyCode kDiscardKey = 0;
inline constexpr KeyCode kBackspaceKey = 8;
inline constexpr KeyCode kReturnKey = 13;
inline constexpr KeyCode kEscapeKey = 27;

}  // namespace ui
