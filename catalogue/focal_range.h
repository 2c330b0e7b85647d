#pragma once

#include <cstdint>
#include <string_view>

namespace catalogue {

enum class RangeWarning { None, Max, Min };

inline constexpr std::string_view kMaxMessage =
    "MAX of F value of the camera has been exceeded. Please rewrite correct num.";
inline constexpr std::string_view kMinMessage =
    "MIN of F value of the camera has been exceeded. Please rewrite correct num.";

// The check of a key typed into a focal-length field against the range in force.
// currentText: the field's text (UTF-8) before the key; keyCode: the key code after the
// key filter (0, 8, or a character code; codes outside 0..127 count as a character that
// cannot continue a number); selFmin/selFmax: the selection's range texts.
// Returns None at once when currentText, selFmax or selFmin is empty. Otherwise the key's
// character is appended at the end (whatever the caret or selection), the leading number
// of that candidate is compared with the range: Max above selFmax, else Min below
// selFmin, else None. Bounds are inclusive.
RangeWarning CheckFocalRangeCore(std::string_view currentText, std::int16_t keyCode,
                                 std::string_view selFmin, std::string_view selFmax);

// The check of a focal length the user put in without typing it (a paste, a cut,
// Delete): the new text's leading number against the range in force, with the
// same bounds. None at once when newText, selFmax or selFmin is empty.
RangeWarning CheckEditedFocalLength(std::string_view newText, std::string_view selFmin,
                                    std::string_view selFmax);

// The message for Max/Min, empty for None.
std::string_view WarningText(RangeWarning warning);

}  // namespace catalogue
