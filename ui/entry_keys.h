#pragma once

// The entry fields' key codes and limits, free of Qt for the calculators' tests.

#include <cstdint>

namespace ui {

// A typed character's code as the key handler sees it, and may replace it.
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
