#include <array>
#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "optics/calculator_form.h"
#include "optics/distance_and_focal_length.h"
#include "optics/sensor_format.h"
#include "tests/unit/fake_calculator_form.h"

namespace optics {
namespace {

// ---------------------------------------------------------------------------
// Partner values

struct PartnerCase {
  double typed;
  double partner;
};

TEST(PartnerValueTest, HeightFromWidth) {
  constexpr std::array kCases{PartnerCase{12, 9},      PartnerCase{10, 7.5},
                              PartnerCase{8, 6},       PartnerCase{2, 1.5},
                              PartnerCase{135, 101.3}, PartnerCase{0, 0},
                              PartnerCase{0.1, 0.1},   PartnerCase{0.05, 0.0},
                              PartnerCase{1, 0.8},     PartnerCase{9999, 7499.3}};
  for (const PartnerCase& c : kCases)
    EXPECT_DOUBLE_EQ(PartnerHeight(c.typed), c.partner) << c.typed;
}

TEST(PartnerValueTest, WidthFromHeight) {
  constexpr std::array kCases{PartnerCase{9, 12},   PartnerCase{7.5, 10},    PartnerCase{6, 8},
                              PartnerCase{1.5, 2},  PartnerCase{100, 133.3}, PartnerCase{76, 101.3},
                              PartnerCase{0, 0},    PartnerCase{0.03, 0.0},  PartnerCase{1, 1.3},
                              PartnerCase{0.1, 0.1}};
  for (const PartnerCase& c : kCases) EXPECT_DOUBLE_EQ(PartnerWidth(c.typed), c.partner) << c.typed;
}

// ---------------------------------------------------------------------------
// Object distance

struct DistanceCase {
  double f;
  double W;
  std::array<double, kFormatCount> expected;
};

TEST(ComputeDistancesTest, DividesByTheImagerWidth) {
  constexpr std::array kCases{
      DistanceCase{4, 12, {13.3, 10.0, 7.5}}, DistanceCase{2.8, 10, {7.8, 5.8, 4.4}},
      DistanceCase{0, 12, {0, 0, 0}},         DistanceCase{4, 0, {0, 0, 0}},
      DistanceCase{3.6, 1, {1.0, 0.8, 0.6}},  DistanceCase{4, -4, {-4.4, -3.3, -2.5}},
  };
  for (const DistanceCase& c : kCases) {
    const auto distances = ComputeDistances(c.f, c.W);
    for (std::size_t i = 0; i < distances.size(); ++i) {
      EXPECT_DOUBLE_EQ(distances[i], c.expected[i]) << "f = " << c.f << ", W = " << c.W;
    }
  }
}

TEST(CalcDistanceTest, TypedWidthWritesHeightAndDistances) {
  FakeForm form;
  form.Type(Field::Txt_L_f, "4");
  form.ResetCounters();
  form.Type(Field::Txt_L_W, "12");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "9");
  ExpectRows(form, ResultTable::Distance, {"13.3", "10.0", "7.5"});
  // One nested run for the partner write, which then finds nothing to change.
  EXPECT_EQ(form.changeRuns, 2);
  EXPECT_EQ(form.maxDepth, 2);
  // Rows in the order 1/4, 1/3, 1/2 type, once per run.
  const auto once = ElementMajorOrder(ResultTable::Distance, 1, {kQuarter, kThird, kHalf});
  std::vector<std::tuple<ResultTable, int, int>> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(form.captionLog, twice);
}

TEST(CalcDistanceTest, TypedHeightWritesWidthAndTheSameDistances) {
  FakeForm form;
  form.Type(Field::Txt_L_f, "4");
  form.ResetCounters();
  form.Type(Field::Txt_L_H, "9");
  EXPECT_EQ(form.Text(Field::Txt_L_W), "12");
  ExpectRows(form, ResultTable::Distance, {"13.3", "10.0", "7.5"});
  EXPECT_EQ(form.maxDepth, 2);
}

class DistanceExchangeTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(DistanceExchangeTest, PartnerIsWrittenInFullAndTheExchangeEnds) {
  const ExchangeCase& c = GetParam();
  FakeForm form;
  form.Preset(Field::Txt_L_f, std::string(c.f));
  form.Type(c.typedField, std::string(c.typed));
  EXPECT_EQ(form.Text(c.partnerField), c.partner);
  EXPECT_EQ(form.Text(c.typedField), c.typed);
  ExpectRows(form, ResultTable::Distance, c.rows);
  EXPECT_LE(form.maxDepth, 2);
  ASSERT_FALSE(form.partnerWrites.empty());
  EXPECT_EQ(form.partnerWrites.front(), c.partnerField);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DistanceExchangeTest,
    ::testing::Values(
        ExchangeCase{"4", Field::Txt_L_W, "12", Field::Txt_L_H, "9", {"13.3", "10.0", "7.5"}},
        ExchangeCase{"4", Field::Txt_L_H, "9", Field::Txt_L_W, "12", {"13.3", "10.0", "7.5"}},
        ExchangeCase{"2.8", Field::Txt_L_W, "10", Field::Txt_L_H, "7.5", {"7.8", "5.8", "4.4"}},
        ExchangeCase{"", Field::Txt_L_W, "12", Field::Txt_L_H, "9", kNotComputed},
        ExchangeCase{
            "4", Field::Txt_L_W, "135", Field::Txt_L_H, "101.3", {"150.0", "112.5", "84.4"}},
        ExchangeCase{"4", Field::Txt_L_H, "76", Field::Txt_L_W, "101.3", {"112.6", "84.4", "63.3"}},
        ExchangeCase{
            "4", Field::Txt_L_H, "100", Field::Txt_L_W, "133.3", {"148.1", "111.1", "83.3"}},
        ExchangeCase{"4", Field::Txt_L_W, "0", Field::Txt_L_H, "0", kNotComputed},
        ExchangeCase{"4", Field::Txt_L_W, ".", Field::Txt_L_H, "0", kNotComputed},
        ExchangeCase{"4", Field::Txt_L_H, "0.03", Field::Txt_L_W, "0", kNotComputed}));

TEST(CalcDistanceTest, EmptyingTheWidthSetsTheHeightToZero) {
  FakeForm form;
  form.Preset(Field::Txt_L_f, "4");
  form.Type(Field::Txt_L_W, "12");
  ASSERT_EQ(form.Text(Field::Txt_L_H), "9");
  form.ResetCounters();
  form.Type(Field::Txt_L_W, "");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "0");
  ExpectRows(form, ResultTable::Distance, kNotComputed);
  EXPECT_EQ(form.maxDepth, 2);
}

TEST(CalcDistanceTest, FocalLengthChangeDerivesTheHeightAgain) {
  FakeForm form;
  form.Preset(Field::Txt_L_W, "12");
  form.Preset(Field::Txt_L_H, "5");
  form.lastSizeBox = "Txt_L_W";
  form.Type(Field::Txt_L_f, "4");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "9");
  ExpectRows(form, ResultTable::Distance, {"13.3", "10.0", "7.5"});
}

TEST(CalcDistanceTest, FiveCharacterPartnerStaysWhenAnotherFieldChanges) {
  FakeForm form;
  form.Preset(Field::Txt_L_f, "4");
  form.Type(Field::Txt_L_W, "135");
  ASSERT_EQ(form.Text(Field::Txt_L_H), "101.3");
  form.ResetCounters();
  form.Type(Field::Txt_L_f, "8");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "101.3");
  EXPECT_EQ(form.changeRuns, 1);
  ExpectRows(form, ResultTable::Distance, {"300.0", "225.0", "168.8"});
}

TEST(CalcDistanceTest, OtherCalculatorsSizeFieldWritesNoPartner) {
  for (const char* last : {"TxtWandL_W", "TxtWandL_H", ""}) {
    SCOPED_TRACE(last);
    FakeForm form;
    form.lastSizeBox = last;
    form.Preset(Field::Txt_L_W, "12");
    form.Type(Field::Txt_L_f, "4");
    EXPECT_TRUE(form.partnerWrites.empty());
    EXPECT_EQ(form.Text(Field::Txt_L_H), "");
    EXPECT_EQ(form.changeRuns, 1);
    ExpectRows(form, ResultTable::Distance, {"13.3", "10.0", "7.5"});
  }
}

TEST(CalcDistanceTest, HeightAloneNeedsAWidthText) {
  // H > 0 but the width field is empty and no partner rule fills it: not computed.
  FakeForm form;
  form.lastSizeBox = "TxtWandL_H";
  form.Preset(Field::Txt_L_H, "9");
  form.Type(Field::Txt_L_f, "4");
  EXPECT_EQ(form.Text(Field::Txt_L_W), "");
  ExpectRows(form, ResultTable::Distance, kNotComputed);
}

TEST(CalcDistanceTest, BothSizesEmptyOrZeroShowNotComputed) {
  for (const char* size : {"", "0", "0.0"}) {
    SCOPED_TRACE(size);
    FakeForm form;
    form.PresetCaptions(ResultTable::Distance, 1, "keep");
    form.Preset(Field::Txt_L_W, size);
    form.Preset(Field::Txt_L_H, size);
    form.Preset(Field::Txt_L_f, "4");
    CalcDistance(form);
    ExpectRows(form, ResultTable::Distance, kNotComputed);
  }
}

TEST(CalcDistanceTest, NegativeWidthWritesNoPartner) {
  FakeForm form;
  form.Preset(Field::Txt_L_f, "4");
  form.Preset(Field::Txt_L_H, "3");
  form.Type(Field::Txt_L_W, "-4");
  EXPECT_TRUE(form.partnerWrites.empty());
  EXPECT_EQ(form.Text(Field::Txt_L_H), "3");
  ExpectRows(form, ResultTable::Distance, {"-4.4", "-3.3", "-2.5"});
}

TEST(CalcDistanceTest, ChosenFormatWritesOnlyItsRow) {
  FakeForm form;
  form.PresetCaptions(ResultTable::Distance, 1, "keep");
  form.ChooseFormat(kThird);
  form.Preset(Field::Txt_L_f, "4");
  form.Type(Field::Txt_L_W, "12");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "9");
  ExpectRows(form, ResultTable::Distance, {"keep", "10.0", "keep"});
}

}  // namespace
}  // namespace optics
