#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace catalogue {

enum class RangeWarning { None, Max, Min };

inline constexpr std::string_view kMaxMessage =
    "MAX of F value of the camera has been exceeded. Please rewrite correct num.";
inline constexpr std::string_view kMinMessage =
    "MIN of F value of the camera has been exceeded. Please rewrite correct num.";

// The focal range in force: the stored texts, shown as they stand ("114.0"), and
// their numbers for the check. Bounds are inclusive.
struct FocalRange {
  std::string fminText;
  std::string fmaxText;
  double fmin;
  double fmax;
};

// The range of a camera's or lens's stored bounds; none when either is empty (a
// box camera whose lens is not chosen yet) or not a number.
std::optional<FocalRange> MakeFocalRange(std::string_view fmin, std::string_view fmax);

// The check of a key typed into a focal-length field against the range in force.
// currentText: the field's text (UTF-8) before the key; keyCode: the key code after the
// key filter (0, 8, or a character code; codes outside 0..127 count as a character that
// cannot continue a number). None at once when currentText is empty or no range is in
// force. Otherwise the key's character is appended at the end (whatever the caret or
// selection) and the leading number of that candidate is compared with the range: Max
// above fmax, else Min below fmin, else None.
RangeWarning CheckFocalRangeCore(std::string_view currentText, std::int16_t keyCode,
                                 const std::optional<FocalRange>& range);

// The check of a focal length the user put in without typing it (a paste, a cut,
// Delete): the new text's leading number against the range in force, with the
// same bounds. None at once when newText is empty or no range is in force.
RangeWarning CheckEditedFocalLength(std::string_view newText,
                                    const std::optional<FocalRange>& range);

// The message for Max/Min, empty for None.
std::string_view WarningText(RangeWarning warning);

}  // namespace catalogue
