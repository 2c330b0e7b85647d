#include "optics/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace optics {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix shaped sign? digits* ("." digits*)? with a digit, or 0.
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
  const bool negative = number.front() == '-';
  if (negative || number.front() == '+') number.remove_prefix(1);
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

// to_chars as a string, with or without a precision; empty if it does not fit.
template <typename... Precision>
std::string CharsOf(double value, std::chars_format format, Precision... precision) {
  std::array<char, 400> buffer{};
  const auto [end, ec] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision...);
  return ec == std::errc{} ? std::string(buffer.data(), end) : std::string();
}

std::string FormatFixed(double value, int decimals) {
  const std::string text = CharsOf(value, std::chars_format::fixed, decimals);
  return text.empty() ? "0" : WithoutNegativeZero(text);
}

// A value of at least 10^15 rounded to 15 significant digits, as a whole number. Near
// the largest double that rounding steps past it: such a value keeps its shortest digits.
std::string LargeWholeNumber(double value) {
  std::string text = CharsOf(value, std::chars_format::scientific, 14);
  double back = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), back).ec != std::errc{}) {
    text = CharsOf(value, std::chars_format::scientific);
  }
  // "d.ddde+x" (always more than one digit): the digits, then as many zeros as x
  // exceeds the digits after the point.
  const std::size_t e = text.find('e');
  const std::size_t point = text.find('.');
  const auto zeros = static_cast<std::size_t>(std::atoi(text.c_str() + e + 1)) - (e - point - 1);
  text.erase(e);
  text.erase(point, 1);
  return text + std::string(zeros, '0');
}

}  // namespace

double RoundTo(double x, std::int16_t n) {
  const double p = std::pow(10.0, n);
  const double r = x > 0 ? std::floor(x * p + 0.5) : std::trunc(x * p - 0.5);
  return r / p;
}

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
  // The shortest fixed text reads back; it serves as it is up to 15 significant digits.
  std::string text = CharsOf(value, std::chars_format::fixed);
  const std::size_t first = text.find_first_of("123456789");
  const std::size_t last = text.find_last_of("123456789");
  const std::size_t point = std::min(text.find('.'), text.size());
  if (last - first + (first < point && point < last ? 0 : 1) <= 15) return text;
  // Otherwise the value rounded to 15 significant digits, which fixed notation can
  // round to below 10^15.
  const long exponent = static_cast<long>(point) - static_cast<long>(first) - (first < point);
  if (exponent >= 15) return LargeWholeNumber(value);
  text = FormatFixed(value, static_cast<int>(14 - exponent));
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

}  // namespace optics
