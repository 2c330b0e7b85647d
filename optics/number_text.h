#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace optics {

// The reading rule of the entry fields: an optional "+" or "-", then digits with
// at most one ".", at least one digit, nothing else. "." is the decimal point
// whatever the locale. Anything else (and the empty text) is not a number.
std::optional<double> ParseDecimal(std::string_view text);

// How the geometric calculators read a field: empty or unreadable text is 0.
double ReadField(std::string_view text);

// The longest leading part of text that forms a decimal number (optional sign,
// digits, at most one "."); 0 when there is none. The focal-range check reads its
// candidate text so.
double LeadingNumber(std::string_view text);

// "##0.0": at least one digit before the point, exactly one after it.
std::string FormatOneDecimal(double value);

// "##0.00": the same with exactly two digits after the point.
std::string FormatTwoDecimals(double value);

// The shortest decimal text (at most 15 significant digits) that reads back as
// the value; no trailing zeros, no point for whole numbers, no exponent.
std::string FormatShortest(double value);

}  // namespace optics
