#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "optics/angle_of_view.h"
#include "optics/calculator_form.h"
#include "optics/distance.h"
#include "optics/focal_length.h"
#include "optics/illumination.h"
#include "optics/partner_value.h"
#include "optics/sensor_format.h"

namespace optics {
namespace {

// Row indices of the result tables, in the order the formats are handled.
constexpr int kQuarter = 0;  // 1/4 type
constexpr int kThird = 1;    // 1/3 type
constexpr int kHalf = 2;     // 1/2 type

using Row3 = std::array<std::string_view, kFormatCount>;  // 1/4, 1/3, 1/2 type

// ---------------------------------------------------------------------------
// A stand-in for the main window.
//
// Like the window, writing a field's text runs that field's change handling before
// the write returns, and only when the text differs. The change handling is wired as
// on the window: the length rule (a text of five characters or more is cut back to
// its first four, except while a partner value is being written), then the field's
// calculator. Nesting is counted; an exchange of writes that does not end fails the
// test at a small depth instead of recursing for ever.
class FakeForm final : public CalculatorForm {
 public:
  static constexpr int kMaxDepth = 4;
  static constexpr std::size_t kLengthLimit = 5;

  std::string selCcd;
  std::string lastSizeBox;

  // Counters of the change handling: every run, and the deepest nesting seen.
  int changeRuns = 0;
  int maxDepth = 0;
  std::vector<Field> partnerWrites;
  std::vector<std::tuple<ResultTable, int, int>> captionLog;

  std::string Text(Field field) const override {
    const auto it = fields_.find(field);
    return it == fields_.end() ? std::string() : it->second;
  }
  void SetText(Field field, const std::string& text) override { Write(field, text, false); }
  void SetPartnerText(Field field, const std::string& text) override {
    partnerWrites.push_back(field);
    Write(field, text, true);
  }
  void SetCaption(ResultCell cell, const std::string& caption) override {
    const auto key = std::make_tuple(cell.table, cell.format, cell.element);
    captions_[key] = caption;
    captionLog.push_back(key);
  }
  std::string SelCcd() const override { return selCcd; }
  std::string LastSizeBox() const override { return lastSizeBox; }

  // State from before the event under test: no change handling runs.
  void Preset(Field field, const std::string& text) { fields_[field] = text; }
  void PresetCaptions(ResultTable table, int elements, const std::string& caption) {
    for (int format = 0; format < kFormatCount; ++format) {
      for (int element = 1; element <= elements; ++element) {
        captions_[std::make_tuple(table, format, element)] = caption;
      }
    }
  }
  void ResetCounters() {
    changeRuns = 0;
    maxDepth = 0;
    partnerWrites.clear();
    captionLog.clear();
  }

  // The user replaces a field's text: the key handling of the four size fields
  // names the field in LastSizeBox first, then the text changes.
  void Type(Field field, const std::string& text) {
    const std::string_view name = SizeBoxName(field);
    if (!name.empty()) lastSizeBox = std::string(name);
    SetText(field, text);
  }

  std::string Caption(ResultTable table, int format, int element) const {
    const auto it = captions_.find(std::make_tuple(table, format, element));
    return it == captions_.end() ? std::string("<never written>") : it->second;
  }

 private:
  static std::string_view SizeBoxName(Field field) {
    switch (field) {
      case Field::Txt_L_W:
        return "Txt_L_W";
      case Field::Txt_L_H:
        return "Txt_L_H";
      case Field::TxtWandL_W:
        return "TxtWandL_W";
      case Field::TxtWandL_H:
        return "TxtWandL_H";
      default:
        return {};
    }
  }

  void Write(Field field, const std::string& text, bool exempt) {
    if (Text(field) == text) return;
    fields_[field] = text;
    if (exempt) exempt_.insert(field);
    Change(field);
    if (exempt) exempt_.erase(field);
  }

  void Change(Field field) {
    ++changeRuns;
    if (depth_ >= kMaxDepth) {
      ADD_FAILURE() << "the change handling of the fields does not come to an end";
      return;
    }
    ++depth_;
    maxDepth = std::max(maxDepth, depth_);
    if (field != Field::Txtillumination_M1 && exempt_.count(field) == 0) {
      const std::string text = Text(field);
      if (text.size() >= kLengthLimit) SetText(field, text.substr(0, kLengthLimit - 1));
    }
    switch (field) {
      case Field::Txt_ang_f:
      case Field::Txt_ang_L:
        CalcAngleOfView(*this);
        break;
      case Field::Txt_L_f:
      case Field::Txt_L_W:
      case Field::Txt_L_H:
        CalcDistance(*this);
        break;
      case Field::TxtWandL_W:
      case Field::TxtWandL_H:
      case Field::TxtWandL_L:
        CalcFocalLength(*this);
        break;
      case Field::Txtillumination_M0:
      case Field::Txt_F0:
      case Field::Txt_F1:
        CalcIllumination(*this);
        break;
      case Field::Txtillumination_M1:
        break;
    }
    --depth_;
  }

  std::map<Field, std::string> fields_;
  std::map<std::tuple<ResultTable, int, int>, std::string> captions_;
  std::set<Field> exempt_;
  int depth_ = 0;
};

std::vector<std::tuple<ResultTable, int, int>> ElementMajorOrder(ResultTable table, int elements,
                                                                 std::vector<int> formats) {
  std::vector<std::tuple<ResultTable, int, int>> order;
  for (int element = 1; element <= elements; ++element) {
    for (int format : formats) order.emplace_back(table, format, element);
  }
  return order;
}

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

constexpr int kAngleElements = 6;

// The f = 3.8, L = 10 example as the rows show it.
constexpr std::array<std::array<std::string_view, kAngleElements>, kFormatCount> kAngleRows38{{
    {"9.5", "7.1", "11.8", "50.8", "39.1", "61.1"},
    {"12.6", "9.5", "15.8", "64.4", "50.8", "76.7"},
    {"16.8", "12.6", "21.1", "80.1", "64.4", "93.1"},
}};

void ExpectAngleRow(const FakeForm& form, int format,
                    const std::array<std::string_view, kAngleElements>& expected) {
  for (int element = 1; element <= kAngleElements; ++element) {
    EXPECT_EQ(form.Caption(ResultTable::AngleOfView, format, element),
              expected[static_cast<std::size_t>(element - 1)])
        << kSensorFormats[static_cast<std::size_t>(format)].caption << " element " << element;
  }
}

void ExpectAngleRowAll(const FakeForm& form, int format, std::string_view caption) {
  std::array<std::string_view, kAngleElements> row{};
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
  EXPECT_EQ(form.captionLog,
            ElementMajorOrder(ResultTable::AngleOfView, kAngleElements, {kQuarter, kThird, kHalf}));
  // It writes no entry field, so the typed change is the only one.
  EXPECT_EQ(form.changeRuns, 1);
  EXPECT_EQ(form.Text(Field::Txt_ang_f), "3.8");
  EXPECT_EQ(form.Text(Field::Txt_ang_L), "10");
}

TEST(CalcAngleOfViewTest, ChosenFormatWritesOnlyItsRow) {
  FakeForm form;
  form.PresetCaptions(ResultTable::AngleOfView, kAngleElements, "keep");
  form.selCcd = "3";
  form.Preset(Field::Txt_ang_f, "3.8");
  form.Type(Field::Txt_ang_L, "10");
  ExpectAngleRowAll(form, kQuarter, "keep");
  ExpectAngleRow(form, kThird, kAngleRows38[kThird]);
  ExpectAngleRowAll(form, kHalf, "keep");
  EXPECT_EQ(form.captionLog, ElementMajorOrder(ResultTable::AngleOfView, kAngleElements, {kThird}));
}

TEST(CalcAngleOfViewTest, UnknownCodeWritesNoRow) {
  FakeForm form;
  form.PresetCaptions(ResultTable::AngleOfView, kAngleElements, "keep");
  form.selCcd = "5";
  form.Preset(Field::Txt_ang_f, "3.8");
  form.Type(Field::Txt_ang_L, "10");
  for (int format = 0; format < kFormatCount; ++format) ExpectAngleRowAll(form, format, "keep");
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
  std::string_view selCcd;
};

std::ostream& operator<<(std::ostream& os, const GuardCase& c) {
  return os << "f \"" << c.f << "\", L \"" << c.L << "\", SelCcd \"" << c.selCcd << '"';
}

class AngleGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(AngleGuardTest, ZeroFocalLengthOrDistanceShowsPlainZeroEverywhere) {
  const GuardCase& c = GetParam();
  FakeForm form;
  form.PresetCaptions(ResultTable::AngleOfView, kAngleElements, "keep");
  form.selCcd = std::string(c.selCcd);
  form.Preset(Field::Txt_ang_f, std::string(c.f));
  form.Preset(Field::Txt_ang_L, std::string(c.L));
  CalcAngleOfView(form);
  // The code is not consulted: all eighteen labels, element by element.
  for (int format = 0; format < kFormatCount; ++format) ExpectAngleRowAll(form, format, "0");
  EXPECT_EQ(form.captionLog,
            ElementMajorOrder(ResultTable::AngleOfView, kAngleElements, {kQuarter, kThird, kHalf}));
  EXPECT_EQ(form.changeRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, AngleGuardTest,
                         ::testing::Values(GuardCase{"", "10", ""}, GuardCase{"0", "10", ""},
                                           GuardCase{"0.0", "10", ""}, GuardCase{"3.8", "", ""},
                                           GuardCase{"3.8", "0", ""}, GuardCase{"3.8", "0.0", ""},
                                           GuardCase{"", "", ""}, GuardCase{"-0", "10", ""},
                                           GuardCase{".", "10", ""},  // unreadable text counts as 0
                                           GuardCase{"3.8", "abc", ""}, GuardCase{"", "10", "3"},
                                           GuardCase{"3.8", "0", "2"}, GuardCase{"0", "10", "5"}));

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

void ExpectRows(const FakeForm& form, ResultTable table, const Row3& expected) {
  for (int format = 0; format < kFormatCount; ++format) {
    EXPECT_EQ(form.Caption(table, format, 1), expected[static_cast<std::size_t>(format)])
        << kSensorFormats[static_cast<std::size_t>(format)].caption;
  }
}

constexpr Row3 kNotComputed{"0.0", "0.0", "0.0"};

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

struct ExchangeCase {
  std::string_view f;        // focal length field, set beforehand
  Field typedField;          // the size field the user types into
  std::string_view typed;    // its new text
  Field partnerField;        // the other size field
  std::string_view partner;  // the text it must show afterwards
  Row3 rows;                 // 1/4, 1/3, 1/2 type
};

std::ostream& operator<<(std::ostream& os, const ExchangeCase& c) {
  return os << "typed \"" << c.typed << "\" -> partner \"" << c.partner << '"';
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
  form.selCcd = "3";
  form.Preset(Field::Txt_L_f, "4");
  form.Type(Field::Txt_L_W, "12");
  EXPECT_EQ(form.Text(Field::Txt_L_H), "9");
  ExpectRows(form, ResultTable::Distance, {"keep", "10.0", "keep"});
}

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
  form.selCcd = "2";
  form.Preset(Field::TxtWandL_L, "10");
  form.Type(Field::TxtWandL_W, "12");
  ExpectRows(form, ResultTable::FocalLength, {"keep", "keep", "5.3"});
  // The distance rows belong to the other calculator and are untouched.
  EXPECT_EQ(form.Caption(ResultTable::Distance, kHalf, 1), "<never written>");
}

// ---------------------------------------------------------------------------
// Minimum illumination

struct IlluminationCase {
  std::string_view m0;
  std::string_view f0;
  std::string_view f1;
  std::string_view shown;
};

std::ostream& operator<<(std::ostream& os, const IlluminationCase& c) {
  return os << "M0 \"" << c.m0 << "\" F0 \"" << c.f0 << "\" F1 \"" << c.f1 << "\" -> \"" << c.shown
            << '"';
}

class IlluminationTextTest : public ::testing::TestWithParam<IlluminationCase> {};

TEST_P(IlluminationTextTest, RestatesForTheOtherFNumber) {
  const IlluminationCase& c = GetParam();
  EXPECT_EQ(IlluminationText(c.m0, c.f0, c.f1), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Values, IlluminationTextTest,
                         ::testing::Values(IlluminationCase{"0.5", "1.4", "2.0", "1.02"},
                                           IlluminationCase{"0.44", "1.6", "2.8", "1.35"},
                                           IlluminationCase{"1", "1.4", "1.4", "1.00"},
                                           IlluminationCase{"1", "2", "4", "4.00"},
                                           IlluminationCase{"2", "4", "2", "0.50"},
                                           IlluminationCase{"0.5", "1.4", "0", "0.00"},
                                           IlluminationCase{"0", "1.4", "2.0", "0.00"},
                                           IlluminationCase{"-2", "1", "1", "-2.00"},
                                           // No negative zero.
                                           IlluminationCase{"-1", "1.4", "0", "0.00"},
                                           IlluminationCase{"-.001", "1", "1", "0.00"}));

INSTANTIATE_TEST_SUITE_P(
    Null, IlluminationTextTest,
    ::testing::Values(
        // An empty input, whatever the others hold.
        IlluminationCase{"", "1.4", "2.0", "NULL"}, IlluminationCase{"0.5", "", "2.0", "NULL"},
        IlluminationCase{"0.5", "1.4", "", "NULL"}, IlluminationCase{"", "", "", "NULL"},
        IlluminationCase{"", "0", "0", "NULL"},
        // Unreadable input.
        IlluminationCase{".", "1.4", "2.0", "NULL"}, IlluminationCase{"0.5", "abc", "2.0", "NULL"},
        IlluminationCase{"0.5", "1.4", "1e3", "NULL"}, IlluminationCase{"0.5", " 1", "2.0", "NULL"},
        // No finite result.
        IlluminationCase{"0.5", "0", "2.0", "NULL"}, IlluminationCase{"0.5", "0", "0", "NULL"},
        IlluminationCase{"0", "0", "2.0", "NULL"}, IlluminationCase{"0", "0", "0", "NULL"},
        IlluminationCase{"0.5", "-0", "2.0", "NULL"}, IlluminationCase{"0.5", "0.0", "2", "NULL"}));

TEST(CalcIlluminationTest, ShowsNullUntilAllThreeInputsAreGiven) {
  FakeForm form;
  form.Type(Field::Txtillumination_M0, "0.5");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "NULL");
  form.Type(Field::Txt_F0, "1.4");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "NULL");
  form.Type(Field::Txt_F1, "2.0");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "1.02");
  form.Type(Field::Txt_F0, "0");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "NULL");
  form.Type(Field::Txt_F0, "1.4");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "1.02");
  form.Type(Field::Txt_F1, "");
  EXPECT_EQ(form.Text(Field::Txtillumination_M1), "NULL");
  // The converter writes no result row and no size field.
  EXPECT_TRUE(form.captionLog.empty());
  EXPECT_TRUE(form.partnerWrites.empty());
}

}  // namespace
}  // namespace optics
