// Fuzz target for the number-text reader and the formatters, checked against an
// independent reading: the grammar as a regular expression and the C library's
// strtod (in the "C" locale, which no one here changes).
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "optics/number_text.h"
#include "tests/fuzz/byte_reader.h"
#include "tests/fuzz/fuzz_failure.h"

namespace {

using fuzz::Fail;

// std::regex recurses once per character: longer texts would test the stack, not
// the reader. 512 still covers numbers beyond the range of a double.
constexpr std::size_t kMaxText = 512;

bool Matches(std::string_view text, const std::regex& pattern) {
  return std::regex_match(text.begin(), text.end(), pattern);
}

double Strtod(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// Digits from the first non-zero one to the last non-zero one.
std::size_t SignificantDigits(std::string_view number) {
  std::string digits;
  for (const char c : number) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  return digits.find_last_not_of('0') - first + 1;
}

void CheckReader(std::string_view text) {
  static const std::regex kNumber(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+))");
  const bool grammatical = Matches(text, kNumber);
  const std::optional<double> value = optics::ParseDecimal(text);
  if (value.has_value() != grammatical) Fail("ParseDecimal disagrees with the grammar", text);
  if (optics::ReadField(text) != value.value_or(0.0))
    Fail("ReadField is not ParseDecimal or 0", text);
  if (!value) return;
  // Both sides round correctly, so they agree to the bit, overflow to infinity included.
  if (*value != Strtod(std::string(text))) Fail("ParseDecimal differs from strtod", text);
  if (std::isfinite(*value) && SignificantDigits(text) <= 15) {
    const std::string shortest = optics::FormatShortest(*value);
    if (optics::ParseDecimal(shortest) != *value) {
      Fail("FormatShortest of a value of at most 15 digits does not read back", text);
    }
  }
}

void CheckLeadingNumber(std::string_view text) {
  static const std::regex kLeading(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+))");
  std::match_results<std::string_view::const_iterator> match;
  double expected = 0;
  if (std::regex_search(text.begin(), text.end(), match, kLeading,
                        std::regex_constants::match_continuous)) {
    expected = Strtod(match.str());
  }
  if (optics::LeadingNumber(text) != expected) Fail("LeadingNumber differs from strtod", text);
}

// The value's bits, printed: a formatter failure names the double, not a text.
std::string Bits(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

void CheckFixed(double value, const std::string& text, const std::regex& shape, double step) {
  if (!Matches(text, shape)) Fail("fixed-point text of the wrong shape", Bits(value) + " " + text);
  if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) {
    Fail("negative zero shown", Bits(value) + " " + text);
  }
  // Half a step of rounding, and the rounding of reading the text back.
  const double error = std::fabs(Strtod(text) - value);
  if (error > step / 2 * (1 + 1e-9) + std::fabs(value) * 2.3e-16) {
    Fail("fixed-point text rounds too far", Bits(value) + " " + text);
  }
}

void CheckFormats(double value) {
  static const std::regex kOneDecimal(R"(-?[0-9]+\.[0-9])");
  static const std::regex kTwoDecimals(R"(-?[0-9]+\.[0-9]{2})");
  static const std::regex kShortest(R"(-?[0-9]+(\.[0-9]*[1-9])?)");
  const std::string one = optics::FormatOneDecimal(value);
  const std::string two = optics::FormatTwoDecimals(value);
  const std::string shortest = optics::FormatShortest(value);
  // No promise is made for infinities and NaNs beyond not crashing.
  if (!std::isfinite(value)) return;
  CheckFixed(value, one, kOneDecimal, 0.1);
  CheckFixed(value, two, kTwoDecimals, 0.01);
  if (!Matches(shortest, kShortest))
    Fail("FormatShortest of the wrong shape", Bits(value) + " " + shortest);
  const std::optional<double> back = optics::ParseDecimal(shortest);
  if (!back) Fail("FormatShortest does not read back", Bits(value) + " " + shortest);
  if (value == 0) {
    if (shortest != "0") Fail("zero not shown as 0", Bits(value) + " " + shortest);
    return;
  }
  // Fifteen significant digits: within half a unit of the fifteenth.
  if (std::fabs(*back - value) > std::fabs(value) * 5.1e-15) {
    Fail("FormatShortest strays beyond 15 digits", Bits(value) + " " + shortest);
  }
  char fifteen[64];
  std::snprintf(fifteen, sizeof fifteen, "%.15g", value);
  if (std::strtod(fifteen, nullptr) == value && *back != value) {
    Fail("FormatShortest loses a value that 15 digits hold", Bits(value) + " " + shortest);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size < kMaxText ? size : kMaxText);
  const std::string_view text = reader.Rest();
  CheckReader(text);
  CheckLeadingNumber(text);
  if (const std::optional<double> value = optics::ParseDecimal(text)) CheckFormats(*value);
  if (size >= sizeof(double)) CheckFormats(fuzz::ByteReader(data, size).Double());
  return 0;
}
