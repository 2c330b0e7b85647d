#include <array>
#include <cstddef>
#include <string>

#include <gtest/gtest.h>

#include "optics/calculator_form.h"
#include "optics/distance_and_focal_length.h"
#include "optics/sensor_format.h"
#include "tests/unit/fake_calculator_form.h"

namespace optics {
namespace {

// ---------------------------------------------------------------------------
// Focal length

struct FocalCase {
  double W;
  double L;
  std::array<double, kFormatCount> expected;
};

TEST(ComputeFocalLengthsTest, DividesTheImagerWidthByTheScene) {
  constexpr std::array kCases{
      FocalCase{12, 10, {3.0, 4.0, 5.3}},
      FocalCase{2, 5, {9.0, 12.0, 16.0}},
      FocalCase{12, 0, {0, 0, 0}},
      FocalCase{3.6, 1, {1.0, 1.3, 1.8}},
      FocalCase{-2, 5, {-9.0, -12.0, -16.0}},
  };
  for (const FocalCase& c : kCases) {
    const auto focalLengths = ComputeFocalLengths(c.W, c.L);
    for (std::size_t i = 0; i < focalLengths.size(); ++i) {
      EXPECT_DOUBLE_EQ(focalLengths[i], c.expected[i]) << "W = " << c.W << ", L = " << c.L;
    }
  }
}

class FocalExchangeTest : public ::testing::TestWithParam<ExchangeCase> {};

// Here ExchangeCase::f holds the distance L.
TEST_P(FocalExchangeTest, PartnerIsWrittenInFullAndTheExchangeEnds) {
  const ExchangeCase& c = GetParam();
  FakeForm form;
  form.Preset(Field::TxtWandL_L, std::string(c.f));
  form.Type(c.typedField, std::string(c.typed));
  EXPECT_EQ(form.Text(c.partnerField), c.partner);
  EXPECT_EQ(form.Text(c.typedField), c.typed);
  ExpectRows(form, ResultTable::FocalLength, c.rows);
  EXPECT_LE(form.maxDepth, 2);
  ASSERT_FALSE(form.partnerWrites.empty());
  EXPECT_EQ(form.partnerWrites.front(), c.partnerField);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, FocalExchangeTest,
    ::testing::Values(
        ExchangeCase{"10", Field::TxtWandL_W, "12", Field::TxtWandL_H, "9", {"3.0", "4.0", "5.3"}},
        ExchangeCase{"10", Field::TxtWandL_H, "9", Field::TxtWandL_W, "12", {"3.0", "4.0", "5.3"}},
        ExchangeCase{
            "5", Field::TxtWandL_W, "2", Field::TxtWandL_H, "1.5", {"9.0", "12.0", "16.0"}},
        ExchangeCase{"", Field::TxtWandL_W, "12", Field::TxtWandL_H, "9", kNotComputed},
        ExchangeCase{
            "100", Field::TxtWandL_W, "135", Field::TxtWandL_H, "101.3", {"2.7", "3.6", "4.7"}},
        ExchangeCase{
            "100", Field::TxtWandL_H, "100", Field::TxtWandL_W, "133.3", {"2.7", "3.6", "4.8"}},
        ExchangeCase{"10", Field::TxtWandL_W, "0", Field::TxtWandL_H, "0", kNotComputed},
        // H > 0 whose partner width rounds to 0: nothing divides by zero.
        ExchangeCase{"10", Field::TxtWandL_H, "0.03", Field::TxtWandL_W, "0", kNotComputed}));

TEST(CalcFocalLengthTest, EmptyingTheWidthSetsTheHeightToZero) {
  FakeForm form;
  form.Preset(Field::TxtWandL_L, "10");
  form.Type(Field::TxtWandL_W, "12");
  ASSERT_EQ(form.Text(Field::TxtWandL_H), "9");
  form.ResetCounters();
  form.Type(Field::TxtWandL_W, "");
  EXPECT_EQ(form.Text(Field::TxtWandL_H), "0");
  ExpectRows(form, ResultTable::FocalLength, kNotComputed);
  EXPECT_EQ(form.maxDepth, 2);
}

TEST(CalcFocalLengthTest, ZeroWidthWithHeightShowsNotComputedInEveryRow) {
  // Reached without the partner rule too: W typed 0 earlier, H given, L changed.
  for (const char* L : {"10", "0.5", "9999"}) {
    SCOPED_TRACE(L);
    FakeForm form;
    form.PresetCaptions(ResultTable::FocalLength, 1, "keep");
    form.Preset(Field::TxtWandL_W, "0");
    form.Preset(Field::TxtWandL_H, "5");
    form.Type(Field::TxtWandL_L, L);
    ExpectRows(form, ResultTable::FocalLength, kNotComputed);
  }
}

TEST(CalcFocalLengthTest, DistanceChangeDerivesTheHeightAgain) {
  FakeForm form;
  form.Preset(Field::TxtWandL_W, "12");
  form.Preset(Field::TxtWandL_H, "1");
  form.lastSizeBox = "TxtWandL_W";
  form.Type(Field::TxtWandL_L, "10");
  EXPECT_EQ(form.Text(Field::TxtWandL_H), "9");
  ExpectRows(form, ResultTable::FocalLength, {"3.0", "4.0", "5.3"});
}

TEST(CalcFocalLengthTest, OtherCalculatorsSizeFieldWritesNoPartner) {
  for (const char* last : {"Txt_L_W", "Txt_L_H", ""}) {
    SCOPED_TRACE(last);
    FakeForm form;
    form.lastSizeBox = last;
    form.Preset(Field::TxtWandL_W, "12");
    form.Type(Field::TxtWandL_L, "10");
    EXPECT_TRUE(form.partnerWrites.empty());
    EXPECT_EQ(form.Text(Field::TxtWandL_H), "");
    EXPECT_EQ(form.changeRuns, 1);
    ExpectRows(form, ResultTable::FocalLength, {"3.0", "4.0", "5.3"});
  }
}

TEST(CalcFocalLengthTest, EmptyDistanceIsNotComputedButEmptyWidthTextIsNoObstacle) {
  // The text that must not be empty is the distance's, not the width's.
  FakeForm form;
  form.Preset(Field::TxtWandL_W, "12");
  form.Preset(Field::TxtWandL_H, "9");
  CalcFocalLength(form);
  ExpectRows(form, ResultTable::FocalLength, kNotComputed);

  FakeForm derived;
  derived.Preset(Field::TxtWandL_L, "10");
  derived.Type(Field::TxtWandL_H, "9");  // the width field was empty until the partner write
  ExpectRows(derived, ResultTable::FocalLength, {"3.0", "4.0", "5.3"});
}

TEST(CalcFocalLengthTest, BothSizesEmptyOrZeroShowNotComputed) {
  for (const char* size : {"", "0", "0.0"}) {
    SCOPED_TRACE(size);
    FakeForm form;
    form.PresetCaptions(ResultTable::FocalLength, 1, "keep");
    form.Preset(Field::TxtWandL_W, size);
    form.Preset(Field::TxtWandL_H, size);
    form.Preset(Field::TxtWandL_L, "10");
    CalcFocalLength(form);
    ExpectRows(form, ResultTable::FocalLength, kNotComputed);
  }
}

TEST(CalcFocalLengthTest, ChosenFormatWritesOnlyItsRow) {
  FakeForm form;
  form.PresetCaptions(ResultTable::FocalLength, 1, "keep");
  form.ChooseFormat(kHalf);
  form.Preset(Field::TxtWandL_L, "10");
  form.Type(Field::TxtWandL_W, "12");
  ExpectRows(form, ResultTable::FocalLength, {"keep", "keep", "5.3"});
  // The distance rows belong to the other calculator and are untouched.
  EXPECT_EQ(form.Caption(ResultTable::Distance, kHalf, 1), "<never written>");
}

}  // namespace
}  // namespace optics
