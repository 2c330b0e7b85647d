#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "optics/number_text.h"
#include "optics/sensor_format.h"
#include "optics/value_rows.h"

namespace optics {
namespace {

// ---------------------------------------------------------------------------
// RoundTo

struct RoundCase {
  double x;
  std::int16_t n;
  double expected;
};

std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
  return os << "RoundTo(" << c.x << ", " << c.n << ") -> " << c.expected;
}

class RoundToTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTest, RoundsHalvesAwayFromZero) {
  const RoundCase& c = GetParam();
  EXPECT_DOUBLE_EQ(RoundTo(c.x, c.n), c.expected);
}

INSTANTIATE_TEST_SUITE_P(OnePlace, RoundToTest,
                         ::testing::Values(RoundCase{0.25, 1, 0.3}, RoundCase{-0.25, 1, -0.3},
                                           RoundCase{1.25, 1, 1.3}, RoundCase{-1.25, 1, -1.3},
                                           RoundCase{2.45, 1, 2.5}, RoundCase{-2.45, 1, -2.5},
                                           RoundCase{0.04, 1, 0.0}, RoundCase{-0.04, 1, 0.0},
                                           RoundCase{0.0, 1, 0.0}, RoundCase{0.24, 1, 0.2},
                                           RoundCase{-0.24, 1, -0.2}, RoundCase{6.75, 1, 6.8},
                                           RoundCase{-6.75, 1, -6.8}, RoundCase{101.25, 1, 101.3},
                                           RoundCase{133.3333, 1, 133.3}, RoundCase{9.0, 1, 9.0},
                                           RoundCase{-2.5, 1, -2.5}));

INSTANTIATE_TEST_SUITE_P(TwoPlaces, RoundToTest,
                         ::testing::Values(RoundCase{0.125, 2, 0.13}, RoundCase{-0.125, 2, -0.13},
                                           RoundCase{0.375, 2, 0.38},
                                           RoundCase{1.0204081632653061, 2, 1.02},
                                           RoundCase{1.3475, 2, 1.35}, RoundCase{-0.004, 2, 0.0},
                                           RoundCase{0.0, 2, 0.0},
                                           // No decimal correction: 1.005 is held as 1.00499999...,
                                           // and the double operations give 1.00.
                                           RoundCase{1.005, 2, 1.0}));

INSTANTIATE_TEST_SUITE_P(ThreePlaces, RoundToTest,
                         ::testing::Values(RoundCase{0.5404, 3, 0.54}, RoundCase{0.0, 3, 0.0},
                                           RoundCase{0.0625, 3, 0.063},
                                           RoundCase{-0.0625, 3, -0.063},
                                           RoundCase{0.2186689, 3, 0.219},
                                           RoundCase{-0.0004, 3, 0.0},
                                           RoundCase{1.5707963, 3, 1.571}));

TEST(RoundToSymmetryTest, NegativeValuesRoundLikeTheirMagnitude) {
  // Exact binary halves and quarters at every place count the calculators use.
  for (std::int16_t n = 1; n <= 3; ++n) {
    for (int k = 1; k <= 400; ++k) {
      const double x = k / 16.0;
      EXPECT_EQ(RoundTo(-x, n), -RoundTo(x, n)) << "x = " << x << ", n = " << n;
    }
  }
}

TEST(RoundToSignTest, ZeroAndTinyNegativesCompareEqualToZero) {
  for (std::int16_t n = 1; n <= 3; ++n) {
    EXPECT_EQ(RoundTo(0.0, n), 0.0);
    EXPECT_EQ(RoundTo(-0.0, n), 0.0);
    EXPECT_EQ(RoundTo(-0.0001, n), 0.0);
    EXPECT_FALSE(RoundTo(-0.0001, n) < 0.0);
  }
}

// ---------------------------------------------------------------------------
// Reading field texts

struct ReadCase {
  std::string_view text;
  std::optional<double> value;  // nullopt: the text is not a number
};

std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
  os << '"' << c.text << "\" -> ";
  if (c.value) return os << *c.value;
  return os << "not a number";
}

constexpr std::array kReadCases{
    ReadCase{"12", 12.0},
    ReadCase{"0.5", 0.5},
    ReadCase{".5", 0.5},
    ReadCase{"12.", 12.0},
    ReadCase{"-3", -3.0},
    ReadCase{"+4", 4.0},
    ReadCase{"7.", 7.0},
    ReadCase{".25", 0.25},
    ReadCase{"0", 0.0},
    ReadCase{"0.0", 0.0},
    ReadCase{"-.5", -0.5},
    ReadCase{"+.5", 0.5},
    ReadCase{"007", 7.0},
    ReadCase{"3.8", 3.8},
    ReadCase{"101.3", 101.3},
    ReadCase{"9999", 9999.0},
    ReadCase{"", std::nullopt},
    ReadCase{".", std::nullopt},
    ReadCase{"-.", std::nullopt},
    ReadCase{"+", std::nullopt},
    ReadCase{"-", std::nullopt},
    ReadCase{"1e3", std::nullopt},
    ReadCase{"1E3", std::nullopt},
    ReadCase{" 5", std::nullopt},
    ReadCase{"5 ", std::nullopt},
    ReadCase{"1.2.3", std::nullopt},
    ReadCase{"..5", std::nullopt},
    ReadCase{"abc", std::nullopt},
    ReadCase{"12a", std::nullopt},
    ReadCase{"1,5", std::nullopt},
    ReadCase{"+-1", std::nullopt},
    ReadCase{"--1", std::nullopt},
    ReadCase{"1-", std::nullopt},
    ReadCase{"0x1A", std::nullopt},
    ReadCase{"inf", std::nullopt},
    ReadCase{"nan", std::nullopt},
};

class ReadTextTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextTest, ParseDecimalAcceptsOnlyThePlainDecimalShape) {
  const ReadCase& c = GetParam();
  const std::optional<double> parsed = ParseDecimal(c.text);
  ASSERT_EQ(parsed.has_value(), c.value.has_value());
  if (c.value) {
    EXPECT_DOUBLE_EQ(*parsed, *c.value);
  }
}

TEST_P(ReadTextTest, ReadFieldCountsEmptyAndUnreadableAsZero) {
  const ReadCase& c = GetParam();
  EXPECT_DOUBLE_EQ(ReadField(c.text), c.value.value_or(0.0));
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadTextTest, ::testing::ValuesIn(kReadCases));

TEST(ParseDecimalTest, KeepsTheSignOfANegativeZero) {
  // "-0" is a number (the value zero), so the guards that refuse 0 refuse it too.
  const std::optional<double> value = ParseDecimal("-0");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(*value, 0.0);
}

struct LeadingCase {
  std::string_view text;
  double value;
};

std::ostream& operator<<(std::ostream& os, const LeadingCase& c) {
  return os << '"' << c.text << "\" -> " << c.value;
}

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestLeadingNumber) {
  EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(LeadingCase{"3", 3.0}, LeadingCase{"2", 2.0},
                                           LeadingCase{"", 0.0}, LeadingCase{"12abc", 12.0},
                                           LeadingCase{"4type", 4.0}, LeadingCase{"1.2.3", 1.2},
                                           LeadingCase{"1e3", 1.0}, LeadingCase{"-2z", -2.0},
                                           LeadingCase{".5x", 0.5}, LeadingCase{"12.", 12.0},
                                           LeadingCase{"abc", 0.0}, LeadingCase{".", 0.0},
                                           LeadingCase{"+", 0.0}, LeadingCase{"-", 0.0},
                                           LeadingCase{"x3", 0.0}, LeadingCase{"+7.25mm", 7.25}));

// ---------------------------------------------------------------------------
// Writing number texts

struct FormatCase {
  double value;
  std::string_view text;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
  return os << c.value << " -> \"" << c.text << '"';
}

class FormatOneDecimalTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatOneDecimalTest, PadsToOnePlace) {
  EXPECT_EQ(FormatOneDecimal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatOneDecimalTest,
                         ::testing::Values(FormatCase{0.0, "0.0"}, FormatCase{12.0, "12.0"},
                                           FormatCase{0.1, "0.1"}, FormatCase{3.0, "3.0"},
                                           FormatCase{1234.5, "1234.5"}, FormatCase{13.3, "13.3"},
                                           FormatCase{101.3, "101.3"},
                                           FormatCase{12345.6, "12345.6"}, FormatCase{-9.5, "-9.5"},
                                           FormatCase{-50.8, "-50.8"}, FormatCase{-0.0, "0.0"},
                                           FormatCase{-0.04, "0.0"}, FormatCase{-0.01, "0.0"}));

class FormatTwoDecimalsTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTwoDecimalsTest, PadsToTwoPlaces) {
  EXPECT_EQ(FormatTwoDecimals(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatTwoDecimalsTest,
                         ::testing::Values(FormatCase{1.5, "1.50"}, FormatCase{0.0, "0.00"},
                                           FormatCase{1.02, "1.02"}, FormatCase{1.35, "1.35"},
                                           FormatCase{1.0, "1.00"}, FormatCase{1234.56, "1234.56"},
                                           FormatCase{-2.0, "-2.00"}, FormatCase{-0.0, "0.00"},
                                           FormatCase{-0.001, "0.00"}));

class FormatShortestTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatShortestTest, WritesTheShortestPositionalText) {
  EXPECT_EQ(FormatShortest(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatShortestTest,
    ::testing::Values(FormatCase{9.0, "9"}, FormatCase{7.5, "7.5"}, FormatCase{0.4, "0.4"},
                      FormatCase{75.0, "75"}, FormatCase{101.3, "101.3"}, FormatCase{0.8, "0.8"},
                      FormatCase{0.0, "0"}, FormatCase{-0.0, "0"}, FormatCase{133.3, "133.3"},
                      FormatCase{120.0, "120"}, FormatCase{12.0, "12"}, FormatCase{1.5, "1.5"},
                      FormatCase{1000000.0, "1000000"}, FormatCase{1e20, "100000000000000000000"},
                      FormatCase{0.05, "0.05"}, FormatCase{0.00001, "0.00001"},
                      FormatCase{-7.5, "-7.5"}, FormatCase{123456.789, "123456.789"},
                      // At most 15 significant digits.
                      FormatCase{1.0 / 3.0, "0.333333333333333"},
                      FormatCase{2.0 / 3.0, "0.666666666666667"}, FormatCase{0.1 + 0.2, "0.3"},
                      FormatCase{400.0 / 3.0, "133.333333333333"},
                      // Rounding to 15 digits carries into a new leading digit.
                      FormatCase{9.9999999999999982, "10"}, FormatCase{0.099999999999999992, "0.1"},
                      FormatCase{999999999999999.88, "1000000000000000"},
                      // From 10^15 up the 15 digits stand before zeros.
                      FormatCase{123456789012345.67, "123456789012346"},
                      FormatCase{2000000000000000.5, "2000000000000000"},
                      FormatCase{4503599627370497.0, "4503599627370500"},
                      FormatCase{1234567890123456789.0, "1234567890123460000"},
                      FormatCase{1e23, "100000000000000000000000"}));

// Every partner value a calculator can write (0.1 m steps) comes back unchanged when
// the field is read, and has the plain shape a field accepts.
TEST(FormatShortestRoundTripTest, PartnerValuesReadBackExactly) {
  for (int k = 0; k <= 20000; ++k) {
    const double value = RoundTo(k / 10.0, 1);
    const std::string text = FormatShortest(value);
    SCOPED_TRACE(text);
    const std::optional<double> back = ParseDecimal(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, value);
    EXPECT_EQ(text.find_first_of("eE+-"), std::string::npos);
    if (text.find('.') != std::string::npos) {
      EXPECT_NE(text.back(), '0');
      EXPECT_NE(text.back(), '.');
    }
  }
}

TEST(FormatShortestRoundTripTest, NoExponentForVeryLargeOrSmallValues) {
  for (double value : {1e-9, 2.5e-7, 1e15, 1.25e17, -3e-8, -4e16}) {
    const std::string text = FormatShortest(value);
    SCOPED_TRACE(text);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), value);
  }
}

// ---------------------------------------------------------------------------
// Row choice

struct RowCase {
  std::optional<int> chosen;
  std::array<bool, kFormatCount> writes;  // 1/4 type, 1/3 type, 1/2 type
};

std::ostream& operator<<(std::ostream& os, const RowCase& c) {
  return os << "chosen " << c.chosen.value_or(-1) << " writes " << c.writes[0] << c.writes[1]
            << c.writes[2];
}

class ChooseRowsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(ChooseRowsTest, WritesTheRowsOfTheChosenFormat) {
  const RowCase& c = GetParam();
  const RowChoice choice = ChooseRows(c.chosen);
  for (int i = 0; i < kFormatCount; ++i) {
    EXPECT_EQ(choice.Writes(i), c.writes[static_cast<std::size_t>(i)])
        << kSensorFormats[static_cast<std::size_t>(i)].caption;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, ChooseRowsTest,
                         ::testing::Values(RowCase{std::nullopt, {true, true, true}},
                                           RowCase{0, {true, false, false}},
                                           RowCase{1, {false, true, false}},
                                           RowCase{2, {false, false, true}}));

}  // namespace
}  // namespace optics

TEST(ExtremeTextTest, DigitStringsBeyondTheDoubleRangeReadAsInfinityOrZero) {
  // A literal put in front of a temporary string makes g++ 12 warn falsely
  // (-Wrestrict) at -O2 and above, so the literals go in front of a named one.
  const std::string zeros(400, '0');
  const std::string huge = "1" + zeros;
  EXPECT_EQ(optics::ParseDecimal(huge), std::numeric_limits<double>::infinity());
  EXPECT_EQ(optics::ParseDecimal("-" + huge), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(optics::ParseDecimal("0." + zeros + "1"), 0.0);
}

TEST(ExtremeTextTest, NegativeInfinityKeepsItsSign) {
  EXPECT_EQ(optics::FormatOneDecimal(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(optics::FormatTwoDecimals(-0.001), "0.00");
}

TEST(ExtremeTextTest, ShortestFormOfTheLargestDoublesReadsBack) {
  // Fifteen digits would round these past the largest double.
  for (double value : {std::numeric_limits<double>::max(), -1.7976931348623157e308}) {
    const std::optional<double> back = optics::ParseDecimal(optics::FormatShortest(value));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, value);
  }
}
