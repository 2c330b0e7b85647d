#include "optics/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace optics {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of text that has the shape sign? digits* ("." digits*)?
// with at least one digit; 0 when no such prefix exists.
std::size_t NumberPrefixLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    std::size_t afterPoint = i + 1;
    std::size_t fraction = 0;
    while (afterPoint < text.size() && IsDigit(text[afterPoint])) ++afterPoint, ++fraction;
    if (digits + fraction > 0) return afterPoint;
  }
  return digits > 0 ? i : 0;
}

// Converts a text already known to have the number shape; from_chars takes no "+".
double ConvertNumber(std::string_view number) {
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::fixed);
  // Only a digit string longer than any double can hold overflows.
  if (ec == std::errc::result_out_of_range && value == 0) {
    value = number.find_first_of("123456789") < number.find('.')
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  }
  return negative ? -value : value;
}

// Drops the sign of a text whose digits are all zero, so that no "-0.0" appears.
std::string WithoutNegativeZero(std::string text) {
  if (text.front() == '-' && text.find_first_of("0123456789") != std::string::npos &&
      text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string FormatFixed(double value, int decimals) {
  std::array<char, 400> buffer{};
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return "0";
  return WithoutNegativeZero(std::string(buffer.data(), end));
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  if (text.empty() || NumberPrefixLength(text) != text.size()) return std::nullopt;
  return ConvertNumber(text);
}

double ReadField(std::string_view text) { return ParseDecimal(text).value_or(0.0); }

double LeadingNumber(std::string_view text) {
  const std::size_t length = NumberPrefixLength(text);
  return length == 0 ? 0.0 : ConvertNumber(text.substr(0, length));
}

std::string FormatOneDecimal(double value) { return FormatFixed(value, 1); }

std::string FormatTwoDecimals(double value) { return FormatFixed(value, 2); }

std::string FormatShortest(double value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  // Fewest significant digits (up to 15) that read back as the same double.
  std::array<char, 64> buffer{};
  char* end = buffer.data();
  for (int precision = 0; precision < 15; ++precision) {
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                        std::chars_format::scientific, precision)
              .ptr;
    double back = 0;
    std::from_chars(buffer.data(), end, back);
    if (back == value) break;
  }
  // Near the largest double, rounding to 15 digits can step past it: such a value
  // keeps the digits that read back.
  double back = 0;
  if (std::from_chars(buffer.data(), end, back).ec != std::errc{}) {
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                        std::chars_format::scientific)
              .ptr;
  }
  // Rewrite "d.ddde±x" in positional notation.
  const std::string scientific(buffer.data(), end);
  const std::size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  const bool negative = scientific.front() == '-';
  std::string digits;
  for (char c : scientific.substr(0, e)) {
    if (IsDigit(c)) digits += c;
  }
  const int pointAt = exponent + 1;  // digits before the point
  std::string text;
  if (pointAt <= 0) {
    text = "0." + std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
  } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
    text = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
  } else {
    text = digits.substr(0, static_cast<std::size_t>(pointAt)) + "." +
           digits.substr(static_cast<std::size_t>(pointAt));
  }
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return negative ? "-" + text : text;
}

}  // namespace optics
