#include "catalogue/focal_range.h"

#include "optics/number_text.h"

namespace catalogue {
namespace {

// A key outside ASCII stands in as DEL: neither can continue a number.
char KeyCharacter(std::int16_t keyCode) {
  return keyCode < 0 || keyCode > 127 ? '\x7f' : static_cast<char>(keyCode);
}

}  // namespace

std::optional<FocalRange> MakeFocalRange(std::string_view fmin, std::string_view fmax) {
  const std::optional<double> low = optics::ParseDecimal(fmin);
  const std::optional<double> high = optics::ParseDecimal(fmax);
  if (!low || !high) return std::nullopt;
  return FocalRange{std::string(fmin), std::string(fmax), *low, *high};
}

RangeWarning CheckFocalRangeCore(std::string_view currentText, std::int16_t keyCode,
                                 const std::optional<FocalRange>& range) {
  // The first character of an empty field is never tested.
  if (currentText.empty()) return RangeWarning::None;
  // NUL and backspace stay in and end the number.
  return CheckEditedFocalLength(std::string(currentText) + KeyCharacter(keyCode), range);
}

RangeWarning CheckEditedFocalLength(std::string_view newText,
                                    const std::optional<FocalRange>& range) {
  if (newText.empty() || !range) return RangeWarning::None;
  const double value = optics::LeadingNumber(newText);
  if (range->fmax < value) return RangeWarning::Max;
  if (range->fmin > value) return RangeWarning::Min;
  return RangeWarning::None;
}

std::string_view WarningText(RangeWarning warning) {
  if (warning == RangeWarning::Max) return kMaxMessage;
  if (warning == RangeWarning::Min) return kMinMessage;
  return {};
}

}  // namespace catalogue
