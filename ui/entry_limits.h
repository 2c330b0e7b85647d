#pragma once

#include <cstdint>

namespace ui {

// An entry field keeps at most four characters.
inline constexpr int kMaxEntryCharacters = 4;

// The limits the field handlers pass. The key filter refuses a character once the
// field holds limit characters; the length rule cuts a text of limit characters or
// more back to limit - 1. Both come to kMaxEntryCharacters.
inline constexpr std::int16_t kKeyFilterLimit = kMaxEntryCharacters;
inline constexpr std::int16_t kLengthRuleLimit = kMaxEntryCharacters + 1;

}  // namespace ui
