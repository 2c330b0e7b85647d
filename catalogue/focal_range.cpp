#include "catalogue/focal_range.h"

#include <optional>
#include <string>

#include "optics/number_text.h"

namespace catalogue {
namespace {

// Stands in for any key outside ASCII: like those, it cannot continue a number.
constexpr char kNonNumericKey = '\x7f';

char KeyCharacter(std::int16_t keyCode) {
  if (keyCode < 0 || keyCode > 127) return kNonNumericKey;
  return static_cast<char>(keyCode);
}

// The leading number of a candidate text against the range texts.
RangeWarning Compare(std::string_view candidate, std::string_view selFmin,
                     std::string_view selFmax) {
  const double value = optics::LeadingNumber(candidate);
  // The range texts come from the catalogue and always read; an unreadable bound
  // simply never warns.
  const std::optional<double> fmax = optics::ParseDecimal(selFmax);
  if (fmax && *fmax < value) return RangeWarning::Max;
  const std::optional<double> fmin = optics::ParseDecimal(selFmin);
  if (fmin && *fmin > value) return RangeWarning::Min;
  return RangeWarning::None;
}

}  // namespace

RangeWarning CheckFocalRangeCore(std::string_view currentText, std::int16_t keyCode,
                                 std::string_view selFmin, std::string_view selFmax) {
  // The first character of an empty field is never tested; nor is anything without a range.
  if (currentText.empty() || selFmax.empty() || selFmin.empty()) return RangeWarning::None;

  std::string candidate(currentText);
  candidate += KeyCharacter(keyCode);  // NUL and backspace stay in and end the number
  return Compare(candidate, selFmin, selFmax);
}

RangeWarning CheckEditedFocalLength(std::string_view newText, std::string_view selFmin,
                                    std::string_view selFmax) {
  if (newText.empty() || selFmax.empty() || selFmin.empty()) return RangeWarning::None;
  return Compare(newText, selFmin, selFmax);
}

std::string_view WarningText(RangeWarning warning) {
  switch (warning) {
    case RangeWarning::Max:
      return kMaxMessage;
    case RangeWarning::Min:
      return kMinMessage;
    case RangeWarning::None:
      break;
  }
  return {};
}

}  // namespace catalogue
