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

// The focal range in force: the stored texts, shown as they stand ("114.0"), and their
// numbers for the check. Bounds are inclusive.
struct FocalRange {
  std::string fminText;
  std::string fmaxText;
  double fmin;
  double fmax;
};

// None when either bound is not a number, e.g. empty for a box camera without its lens yet.
std::optional<FocalRange> MakeFocalRange(std::string_view fmin, std::string_view fmax);

// A key typed into a focal-length field: its character (keyCode after the key filter; one
// outside 0..127 cannot continue a number) goes after currentText, whatever the caret or
// selection, and that leading number is checked: Max above fmax, else Min below fmin, else
// None. None at once for an empty currentText or no range.
RangeWarning CheckFocalRangeCore(std::string_view currentText, std::int16_t keyCode,
                                 const std::optional<FocalRange>& range);

// The same check for a focal length put in without typing (a paste, a cut, Delete): the
// new text's leading number; none for an empty text or no range.
RangeWarning CheckEditedFocalLength(std::string_view newText,
                                    const std::optional<FocalRange>& range);

// The message for Max/Min, empty for None.
std::string_view WarningText(RangeWarning warning);

}  // namespace catalogue
