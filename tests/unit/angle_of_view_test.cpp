#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "optics/angle_of_view.h"
#include "optics/calculator_form.h"
#include "optics/sensor_format.h"
#include "tests/unit/fake_calculator_form.h"

namespace optics {
namespace {

// ---------------------------------------------------------------------------
// Sensor formats

TEST(SensorFormatTest, TableHoldsTheThreeImagersInHandlingOrder) {
  struct Expected {
    std::string_view caption;
    std::string_view code;
    double width, height, diagonal;
    int codeNumber;
  };
  constexpr std::array<Expected, 3> kExpected{{
      {"1/4type", "4", 3.6, 2.7, 4.5, 4},
      {"1/3type", "3", 4.8, 3.6, 6.0, 3},
      {"1/2type", "2", 6.4, 4.8, 8.0, 2},
  }};
  ASSERT_EQ(kFormatCount, 3);
  for (std::size_t i = 0; i < kExpected.size(); ++i) {
    const SensorFormat& format = kSensorFormats[i];
    EXPECT_EQ(format.caption, kExpected[i].caption);
    EXPECT_EQ(format.code, kExpected[i].code);
    EXPECT_DOUBLE_EQ(format.width, kExpected[i].width);
    EXPECT_DOUBLE_EQ(format.height, kExpected[i].height);
    EXPECT_DOUBLE_EQ(format.diagonal, kExpected[i].diagonal);
    EXPECT_EQ(FormatIndexOfCode(kExpected[i].codeNumber), static_cast<int>(i));
    // Every imager is 4 : 3.
    EXPECT_DOUBLE_EQ(format.height, format.width * kHeightPerWidth);
  }
  for (int code : {-1, 0, 1, 5, 8}) EXPECT_EQ(FormatIndexOfCode(code), -1) << code;
}

// ---------------------------------------------------------------------------
// Angle of view: pure core

struct AngleCase {
  double f;
  double L;
  int format;
  AngleRow expected;  // W, H, diagonal [m], angles [deg]
};

std::ostream& operator<<(std::ostream& os, const AngleCase& c) {
  return os << "f = " << c.f << ", L = " << c.L << ", "
            << kSensorFormats[static_cast<std::size_t>(c.format)].caption;
}

class ComputeAngleOfViewTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(ComputeAngleOfViewTest, GivesSizesAndAnglesOfTheRow) {
  const AngleCase& c = GetParam();
  const AngleRow row = ComputeAngleOfView(c.f, c.L)[static_cast<std::size_t>(c.format)];
  for (std::size_t j = 0; j < row.size(); ++j) {
    EXPECT_DOUBLE_EQ(row[j], c.expected[j]) << "element " << j + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ComputeAngleOfViewTest,
    ::testing::Values(AngleCase{3.8, 10, kQuarter, {9.5, 7.1, 11.8, 50.8, 39.1, 61.1}},
                      AngleCase{3.8, 10, kThird, {12.6, 9.5, 15.8, 64.4, 50.8, 76.7}},
                      AngleCase{3.8, 10, kHalf, {16.8, 12.6, 21.1, 80.1, 64.4, 93.1}},
                      // The angles come from sizes already rounded to 0.1 m.
                      AngleCase{50, 1, kQuarter, {0.1, 0.1, 0.1, 5.7, 5.7, 5.7}},
                      AngleCase{50, 1, kHalf, {0.1, 0.1, 0.2, 5.7, 5.7, 11.5}}));

TEST(ComputeAngleOfViewTest, HeightIsRoundedBeforeTheAngleIsTaken) {
  // 2.7 / 4 * 10 = 6.75 m becomes 6.8 m, and the vertical angle is taken from 6.8.
  const AngleRow row = ComputeAngleOfView(4, 10)[kQuarter];
  EXPECT_DOUBLE_EQ(row[1], 6.8);
  EXPECT_DOUBLE_EQ(row[4], 37.6);
}

TEST(ComputeAngleOfViewTest, NegativeFocalLengthMirrorsEveryValue) {
  const AngleTable positive = ComputeAngleOfView(3.8, 10);
  const AngleTable negative = ComputeAngleOfView(-3.8, 10);
  for (std::size_t i = 0; i < positive.size(); ++i) {
    for (std::size_t j = 0; j < positive[i].size(); ++j) {
      EXPECT_DOUBLE_EQ(negative[i][j], -positive[i][j]) << "format " << i << " element " << j;
    }
  }
}

// ---------------------------------------------------------------------------
// Angle of view: display step

// The f = 3.8, L = 10 example as the rows show it.
constexpr std::array<std::array<std::string_view, kAngleValueCount>, kFormatCount> kAngleRows38{{
    {"9.5", "7.1", "11.8", "50.8", "39.1", "61.1"},
    {"12.6", "9.5", "15.8", "64.4", "50.8", "76.7"},
    {"16.8", "12.6", "21.1", "80.1", "64.4", "93.1"},
}};

void ExpectAngleRow(const FakeForm& form, int format,
                    const std::array<std::string_view, kAngleValueCount>& expected) {
  for (int element = 1; element <= kAngleValueCount; ++element) {
    EXPECT_EQ(form.Caption(ResultTable::AngleOfView, format, element),
              expected[static_cast<std::size_t>(element - 1)])
        << kSensorFormats[static_cast<std::size_t>(format)].caption << " element " << element;
  }
}

void ExpectAngleRowAll(const FakeForm& form, int format, std::string_view caption) {
  std::array<std::string_view, kAngleValueCount> row{};
  row.fill(caption);
  ExpectAngleRow(form, format, row);
}

TEST(CalcAngleOfViewTest, FillsAllRowsWhenNothingIsChosen) {
  FakeForm form;
  form.Preset(Field::Txt_ang_f, "3.8");
  form.Type(Field::Txt_ang_L, "10");
  for (int format = 0; format < kFormatCount; ++format) {
    ExpectAngleRow(form, format, kAngleRows38[static_cast<std::size_t>(format)]);
  }
  // Each element in turn across the rows 1/4, 1/3, 1/2 type.
  EXPECT_EQ(form.captionLog, ElementMajorOrder(ResultTable::AngleOfView, kAngleValueCount,
                                               {kQuarter, kThird, kHalf}));
  // It writes no entry field, so the typed change is the only one.
  EXPECT_EQ(form.changeRuns, 1);
  EXPECT_EQ(form.Text(Field::Txt_ang_f), "3.8");
  EXPECT_EQ(form.Text(Field::Txt_ang_L), "10");
}

TEST(CalcAngleOfViewTest, ChosenFormatWritesOnlyItsRow) {
  FakeForm form;
  form.PresetCaptions(ResultTable::AngleOfView, kAngleValueCount, "keep");
  form.ChooseFormat(kThird);
  form.Preset(Field::Txt_ang_f, "3.8");
  form.Type(Field::Txt_ang_L, "10");
  ExpectAngleRowAll(form, kQuarter, "keep");
  ExpectAngleRow(form, kThird, kAngleRows38[kThird]);
  ExpectAngleRowAll(form, kHalf, "keep");
  EXPECT_EQ(form.captionLog,
            ElementMajorOrder(ResultTable::AngleOfView, kAngleValueCount, {kThird}));
}

TEST(CalcAngleOfViewTest, NegativeFocalLengthGoesOnToTheFormulas) {
  FakeForm form;
  form.Preset(Field::Txt_ang_L, "10");
  form.Type(Field::Txt_ang_f, "-3.8");
  EXPECT_EQ(form.Caption(ResultTable::AngleOfView, kQuarter, 1), "-9.5");
  EXPECT_EQ(form.Caption(ResultTable::AngleOfView, kHalf, 6), "-93.1");
}

struct GuardCase {
  std::string_view f;
  std::string_view L;
  std::optional<int> chosen;  // the chosen format's row, if any
};

std::ostream& operator<<(std::ostream& os, const GuardCase& c) {
  return os << "f \"" << c.f << "\", L \"" << c.L << "\", chosen row " << c.chosen.value_or(-1);
}

class AngleGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(AngleGuardTest, ZeroFocalLengthOrDistanceShowsPlainZeroEverywhere) {
  const GuardCase& c = GetParam();
  FakeForm form;
  form.PresetCaptions(ResultTable::AngleOfView, kAngleValueCount, "keep");
  form.ChooseFormat(c.chosen);
  form.Preset(Field::Txt_ang_f, std::string(c.f));
  form.Preset(Field::Txt_ang_L, std::string(c.L));
  CalcAngleOfView(form);
  // The code is not consulted: all eighteen labels, element by element.
  for (int format = 0; format < kFormatCount; ++format) ExpectAngleRowAll(form, format, "0");
  EXPECT_EQ(form.captionLog, ElementMajorOrder(ResultTable::AngleOfView, kAngleValueCount,
                                               {kQuarter, kThird, kHalf}));
  EXPECT_EQ(form.changeRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, AngleGuardTest,
    ::testing::Values(GuardCase{"", "10", std::nullopt}, GuardCase{"0", "10", std::nullopt},
                      GuardCase{"0.0", "10", std::nullopt}, GuardCase{"3.8", "", std::nullopt},
                      GuardCase{"3.8", "0", std::nullopt}, GuardCase{"3.8", "0.0", std::nullopt},
                      GuardCase{"", "", std::nullopt}, GuardCase{"-0", "10", std::nullopt},
                      GuardCase{".", "10", std::nullopt},  // unreadable text counts as 0
                      GuardCase{"3.8", "abc", std::nullopt}, GuardCase{"", "10", kThird},
                      GuardCase{"3.8", "0", kHalf}, GuardCase{"0", "10", kQuarter}));

}  // namespace
}  // namespace optics
