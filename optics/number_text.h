#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace optics {

// x rounded to n decimals, halves away from zero, with the plain double arithmetic the
// installers' tables were made with: no correction for decimals a double cannot hold.
double RoundTo(double x, std::int16_t n);

// The entry fields' reading rule: optional sign, digits with at most one "." (whatever
// the locale), at least one digit, nothing else; anything else is not a number.
std::optional<double> ParseDecimal(std::string_view text);

// How the geometric calculators read a field: empty or unreadable text is 0.
double ReadField(std::string_view text);

// The longest leading part of text that forms such a number, 0 when there is none:
// the focal-range check reads its candidate text so.
double LeadingNumber(std::string_view text);

// "##0.0" and "##0.00": at least one digit before the point, exactly one or two after it.
std::string FormatOneDecimal(double value);
std::string FormatTwoDecimals(double value);

// The shortest decimal text (at most 15 significant digits) that reads back as the
// value; no trailing zeros, no point for whole numbers, no exponent.
std::string FormatShortest(double value);

}  // namespace optics
