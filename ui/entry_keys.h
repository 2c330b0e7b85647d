#pragma once

// The entry fields' key codes and limits, free of Qt for the calculators' tests.

#include <cstdint>

namespace ui {

// The code of a typed character as a key handler sees it; a handler may replace it
// before the field applies it.
using KeyCode = std::int16_t;

inline constexpr KeyCode kDiscardKey = 0;
inline constexpr KeyCode kBackspaceKey = 8;
inline constexpr KeyCode kReturnKey = 13;
inline constexpr KeyCode kEscapeKey = 27;

inline constexpr int kMaxEntryCharacters = 4;

// The key filter refuses a character once the field holds limit characters; the
// length rule cuts limit characters or more back to limit - 1.
inline constexpr std::int16_t kKeyFilterLimit = kMaxEntryCharacters;
inline constexpr std::int16_t kLengthRuleLimit = kMaxEntryCharacters + 1;

}  // namespace ui
