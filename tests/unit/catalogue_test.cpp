#include <algorithm>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/focal_range.h"
#include "catalogue/lookup.h"
#include "catalogue/records.h"
#include "optics/number_text.h"

namespace catalogue {
namespace {

using Names = std::vector<std::string_view>;

constexpr int kEmptyCameraRow = 19;

std::ptrdiff_t RowOf(const CameraRecord* camera) {
  return camera == nullptr ? -1 : camera - CameraTable().data();
}

std::ptrdiff_t RowOf(const LensRecord* lens) {
  return lens == nullptr ? -1 : lens - LensTable().data();
}

TEST(CameraTableTest, RowNineteenIsEmptyAndListedUnderNoType) {
  const CameraRecord& empty = CameraTable()[kEmptyCameraRow];
  EXPECT_TRUE(empty.Model.empty() && empty.CameraType.empty() && empty.fmin.empty() &&
              empty.fmax.empty() && empty.Pic_ab.empty());
  EXPECT_TRUE(empty.Ccd == 0 && empty.Pic_a == 0 && empty.Pic_b == 0);

  // Every other row is filled and listed under exactly one of the three types.
  std::size_t listed = 0;
  for (int option = 0; option < 3; ++option) {
    for (std::string_view model : CameraModelsOfType(CameraTypeLiteral(option))) {
      EXPECT_FALSE(model.empty()) << "option " << option;
      ++listed;
    }
  }
  EXPECT_EQ(listed, static_cast<std::size_t>(kCameraRows - 1));
  EXPECT_TRUE(CameraModelsOfType("").empty());
  EXPECT_EQ(FindCamera("", ""), nullptr);

  for (int row = 0; row < kCameraRows; ++row) {
    if (row == kEmptyCameraRow) continue;
    const CameraRecord& camera = CameraTable()[static_cast<std::size_t>(row)];
    EXPECT_TRUE(!camera.Model.empty() && !camera.Pic_ab.empty() && camera.Pic_a > 0 &&
                camera.Pic_b > 0 && camera.Ccd >= 2 && camera.Ccd <= 4)
        << "row " << row;
  }
}

TEST(CameraTableTest, StoredValuesStayAsStored) {
  EXPECT_EQ(CameraTable()[10].Pic_ab, "0.45");  // not 752*582/1e6 rounded
  EXPECT_EQ(CameraTable()[14].Pic_a, 753);
  EXPECT_EQ(CameraTable()[11].Model, "CAM-111 full scan");
  EXPECT_EQ(CameraTable()[12].Model, "CAM-111 partial scan");
  EXPECT_NE(CameraTable()[11].Pic_a, CameraTable()[12].Pic_a);

  const CameraRecord* ptz = FindCamera("CAM-120", "PTZ");
  ASSERT_NE(ptz, nullptr);
  EXPECT_EQ(ptz->fmax, "114.0");
  EXPECT_EQ(Trimmed(ptz->fmax), "114.0");
}

// Each camera has its own lens (a readable range) or none (both texts "0"), and only box
// cameras may have none; every lensless camera finds lenses of its sensor format.
TEST(CameraTableTest, LensInvariants) {
  for (int row = 0; row < kCameraRows; ++row) {
    if (row == kEmptyCameraRow) continue;
    const CameraRecord& camera = CameraTable()[static_cast<std::size_t>(row)];
    SCOPED_TRACE(camera.Model);
    if (TakesSeparateLens(camera)) {
      EXPECT_EQ(camera.fmax, "0");
      EXPECT_EQ(camera.CameraType, "BOX");
      EXPECT_FALSE(LensModelsForCcd(camera.Ccd).empty());
    } else {
      const std::optional<double> fmin = optics::ParseDecimal(camera.fmin);
      const std::optional<double> fmax = optics::ParseDecimal(camera.fmax);
      ASSERT_TRUE(fmin && fmax);
      EXPECT_GT(*fmin, 0.0);
      EXPECT_LE(*fmin, *fmax);
    }
  }
}

TEST(LensTableTest, LensInvariants) {
  for (const LensRecord& lens : LensTable()) {
    SCOPED_TRACE(lens.Model);
    EXPECT_TRUE(lens.Ccd == 2 || lens.Ccd == 3) << lens.Ccd;
    const std::optional<double> fmin = optics::ParseDecimal(lens.fmin);
    const std::optional<double> fmax = optics::ParseDecimal(lens.fmax);
    ASSERT_TRUE(fmin && fmax);
    EXPECT_GT(*fmin, 0.0);
    EXPECT_LE(*fmin, *fmax);
    EXPECT_EQ(RowOf(FindLens(lens.Model)), &lens - LensTable().data()) << "names are unique";
  }
  for (int row = 0; row <= 2; ++row) {  // the fixed-focal lenses
    const LensRecord& lens = LensTable()[static_cast<std::size_t>(row)];
    EXPECT_EQ(lens.fmin, lens.fmax) << lens.Model;
  }
}

struct TypeCase {
  int option;
  std::string_view literal;
  std::size_t count;
};

class CameraTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(CameraTypeTest, ListsTheRowsOfItsType) {
  const TypeCase& c = GetParam();
  EXPECT_EQ(CameraTypeLiteral(c.option), c.literal);
  const Names models = CameraModelsOfType(c.literal);
  EXPECT_EQ(models.size(), c.count);
  // Every listed name leads back to a row of the same type.
  for (std::string_view model : models) {
    const CameraRecord* camera = FindCamera(model, c.literal);
    ASSERT_NE(camera, nullptr) << model;
    EXPECT_EQ(camera->CameraType, c.literal);
  }
}

INSTANTIATE_TEST_SUITE_P(Types, CameraTypeTest,
                         ::testing::Values(TypeCase{0, "BOX", 18}, TypeCase{1, "DOME", 10},
                                           TypeCase{2, "PTZ", 8}));

TEST(CameraTypeLiteralTest, OtherIndicesGiveNoLiteral) {
  for (int option : {-1, 3, 4, 100}) EXPECT_TRUE(CameraTypeLiteral(option).empty()) << option;
}

TEST(CameraModelsOfTypeTest, KeepsDuplicatesInRowOrder) {
  const Names box = CameraModelsOfType("BOX");
  EXPECT_EQ(std::count(box.begin(), box.end(), "CAM-102"), 2);
  ASSERT_GE(box.size(), 4u);
  EXPECT_EQ(box[0], "CAM-101");
  EXPECT_EQ(box[1], "CAM-102");
  EXPECT_EQ(box[3], "CAM-102");
  EXPECT_EQ(box.back(), "CAM-132");  // row 35, after rows 0..14 and 33, 34

  const Names dome = CameraModelsOfType("DOME");
  EXPECT_EQ(std::count(dome.begin(), dome.end(), "CAM-101"), 1);
}

TEST(CameraModelsOfTypeTest, ComparesExactly) {
  for (std::string_view literal : {"box", "Dome", "PTZ ", " BOX", "B"}) {
    EXPECT_TRUE(CameraModelsOfType(literal).empty()) << literal;
  }
}

struct FindCameraCase {
  std::string_view model;
  std::string_view type;
  std::ptrdiff_t row;  // -1: not found
  std::string_view fmax = {};
};

class FindCameraTest : public ::testing::TestWithParam<FindCameraCase> {};

TEST_P(FindCameraTest, FindsFirstRowOfTheChosenType) {
  const FindCameraCase& c = GetParam();
  const CameraRecord* camera = FindCamera(c.model, c.type);
  EXPECT_EQ(RowOf(camera), c.row);
  if (camera != nullptr && !c.fmax.empty()) {
    EXPECT_EQ(camera->fmax, c.fmax);
  }
}

// "CAM-101" is a box camera and a dome camera with different ranges; "CAM-102" is two
// identical box rows, of which the first counts.
INSTANTIATE_TEST_SUITE_P(
    Cases, FindCameraTest,
    ::testing::Values(FindCameraCase{"CAM-101", "BOX", 0, "83.4"},
                      FindCameraCase{"CAM-101", "DOME", 30, "83.6"},
                      FindCameraCase{"CAM-102", "BOX", 1}, FindCameraCase{"CAM-130", "BOX", 33},
                      FindCameraCase{"CAM-111 partial scan", "BOX", 12},
                      FindCameraCase{"CAM-101", "PTZ", -1}, FindCameraCase{"CAM-120", "BOX", -1},
                      FindCameraCase{"cam-101", "BOX", -1}, FindCameraCase{"CAM-111", "BOX", -1},
                      FindCameraCase{"CAM-101 ", "BOX", -1}, FindCameraCase{"CAM-101", "", -1},
                      FindCameraCase{"", "BOX", -1}));

struct LensesCase {
  std::int16_t ccd;
  Names models;
};

class LensModelsTest : public ::testing::TestWithParam<LensesCase> {};

TEST_P(LensModelsTest, ListsLensesOfTheFormatInRowOrder) {
  EXPECT_EQ(LensModelsForCcd(GetParam().ccd), GetParam().models);
}

INSTANTIATE_TEST_SUITE_P(Formats, LensModelsTest,
                         ::testing::Values(LensesCase{2, {"LNS-09", "LNS-10", "LNS-11"}},
                                           LensesCase{3,
                                                      {"LNS-01", "LNS-02", "LNS-03", "LNS-04",
                                                       "LNS-05", "LNS-06", "LNS-07", "LNS-08"}},
                                           LensesCase{4, {}}, LensesCase{0, {}}));

TEST(FindLensTest, ExactNamesOnly) {
  EXPECT_EQ(RowOf(FindLens("LNS-05")), kSingleLensRow);
  EXPECT_EQ(RowOf(FindLens("LNS-11")), 10);
  for (std::string_view model : {"", "LNS-5", "lns-05", "LNS-05 ", "LNS-12"}) {
    EXPECT_EQ(FindLens(model), nullptr) << model;
  }
}

TEST(SingleLensTest, ThreeCamerasTakeLensRowFourOnly) {
  const LensRecord& single = LensTable()[kSingleLensRow];
  EXPECT_EQ(single.Model, "LNS-05");
  EXPECT_EQ(single.fmin, "2.8");
  EXPECT_EQ(single.fmax, "6.0");

  int found = 0;
  for (const CameraRecord& camera : CameraTable()) {
    if (!TakesSingleLens(camera.Model)) continue;
    ++found;
    SCOPED_TRACE(camera.Model);
    EXPECT_EQ(camera.CameraType, "BOX");
    EXPECT_TRUE(TakesSeparateLens(camera));
    EXPECT_EQ(camera.Ccd, single.Ccd);
  }
  EXPECT_EQ(found, 3);

  for (std::string_view model : {"CAM-111 full scan", "CAM-130", "CAM-111 partial scan"}) {
    EXPECT_TRUE(TakesSingleLens(model)) << model;
  }
  for (std::string_view model :
       {"CAM-111", "CAM-130 ", "cam-130", "CAM-110", "CAM-111 Full scan", "", "LNS-05"}) {
    EXPECT_FALSE(TakesSingleLens(model)) << model;
  }
}

TEST(ShownValuesTest, CcdCaptionAndTrimming) {
  EXPECT_EQ(CcdCaptionValue(2), "1/2");
  EXPECT_EQ(CcdCaptionValue(3), "1/3");
  EXPECT_EQ(CcdCaptionValue(4), "1/4");
  // Only spaces are trimmed.
  struct Case {
    std::string_view text;
    std::string_view trimmed;
  };
  const Case cases[] = {{"83.4", "83.4"},   {"  83.4 ", "83.4"}, {"", ""},
                        {"   ", ""},        {"1 2", "1 2"},      {" 114.0", "114.0"},
                        {"\t2.8", "\t2.8"}, {"6.0\n", "6.0\n"}};
  for (const Case& c : cases) EXPECT_EQ(Trimmed(c.text), c.trimmed) << '"' << c.text << '"';
}

struct RangeCase {
  std::string_view text;
  std::int16_t key;
  std::string_view fmin;
  std::string_view fmax;
  RangeWarning expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" + " << c.key << " in [" << c.fmin << ", " << c.fmax << ']';
}

class FocalRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FocalRangeTest, WarnsWhenTheCandidateLeavesTheRange) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(CheckFocalRangeCore(c.text, c.key, MakeFocalRange(c.fmin, c.fmax)), c.expected);
}

constexpr std::int16_t Key(char c) { return static_cast<std::int16_t>(c); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FocalRangeTest,
    ::testing::Values(RangeCase{"8", Key('5'), "3.8", "83.4", RangeWarning::Max},   // 85
                      RangeCase{"8", Key('3'), "3.8", "83.4", RangeWarning::None},  // 83
                      RangeCase{"83.", Key('4'), "3.8", "83.4", RangeWarning::None},
                      RangeCase{"83.", Key('5'), "3.8", "83.4", RangeWarning::Max},
                      RangeCase{"3.", Key('8'), "3.8", "83.4", RangeWarning::None},
                      RangeCase{"3.", Key('7'), "3.8", "83.4", RangeWarning::Min},
                      RangeCase{"2", Key('.'), "2.8", "6.0", RangeWarning::Min},  // "2." reads 2
                      RangeCase{"4.", Key('5'), "4.5", "4.5", RangeWarning::None},
                      RangeCase{"4.5", Key('1'), "4.5", "4.5", RangeWarning::Max},
                      RangeCase{"4", Key('.'), "4.5", "4.5", RangeWarning::Min},
                      // Keys that end the number: v is the value of the current text.
                      RangeCase{"85", 8, "3.8", "83.4", RangeWarning::Max},
                      RangeCase{"8", 8, "3.8", "83.4", RangeWarning::None},
                      RangeCase{"90", 0, "3.8", "83.4", RangeWarning::Max},
                      RangeCase{"2", 0, "2.8", "6.0", RangeWarning::Min},
                      RangeCase{"8", 200, "3.8", "83.4", RangeWarning::None},
                      RangeCase{"85", -1, "3.8", "83.4", RangeWarning::Max},
                      RangeCase{"8", Key('a'), "3.8", "83.4", RangeWarning::None},
                      // The key is appended even where it could not stand.
                      RangeCase{"8.5", Key('.'), "3.8", "83.4", RangeWarning::None},
                      RangeCase{"1", Key('-'), "3.8", "83.4", RangeWarning::Min},
                      // No number at all reads 0, below every minimum.
                      RangeCase{"x", Key('9'), "3.8", "83.4", RangeWarning::Min},
                      RangeCase{".", Key('5'), "2.8", "6.0", RangeWarning::Min},  // ".5" reads 0.5
                      // Nothing to test without a field text or a complete range.
                      RangeCase{"", Key('9'), "3.8", "83.4", RangeWarning::None},
                      RangeCase{"999", Key('9'), "", "83.4", RangeWarning::None},
                      RangeCase{"999", Key('9'), "3.8", "", RangeWarning::None},
                      RangeCase{"0", Key('0'), "3.8", "", RangeWarning::None},
                      RangeCase{"0", Key('0'), "", "", RangeWarning::None}));

TEST(FocalRangeCheckTest, FirstKeyIntoEmptyFieldIsNeverTested) {
  for (int key = -1; key <= 255; ++key) {
    EXPECT_EQ(CheckFocalRangeCore("", static_cast<std::int16_t>(key), MakeFocalRange("4.5", "4.5")),
              RangeWarning::None)
        << key;
  }
}

// Typing any catalogue bound exactly, key by key, stays silent: the bounds are inclusive
// and every stored range text reads.
TEST(FocalRangeCheckTest, CatalogueBoundsAreInside) {
  auto checkBounds = [](std::string_view fmin, std::string_view fmax) {
    for (std::string_view bound : {fmin, fmax}) {
      const std::string_view head = bound.substr(0, bound.size() - 1);
      if (head.empty()) continue;
      EXPECT_EQ(CheckFocalRangeCore(head, Key(bound.back()), MakeFocalRange(fmin, fmax)),
                RangeWarning::None)
          << bound << " in [" << fmin << ", " << fmax << ']';
    }
  };
  for (const CameraRecord& camera : CameraTable()) {
    if (!camera.fmin.empty() && !TakesSeparateLens(camera)) checkBounds(camera.fmin, camera.fmax);
  }
  for (const LensRecord& lens : LensTable()) checkBounds(lens.fmin, lens.fmax);
}

// A focal length put in without typing is read whole, as the new text's leading
// number, against the same inclusive bounds.
TEST(FocalRangeCheckTest, EditedTextIsReadWhole) {
  struct EditCase {
    std::string_view text, fmin, fmax;
    RangeWarning expected;
  };
  const EditCase cases[] = {
      {"500", "3.8", "8.0", RangeWarning::Max},  {"8.01", "3.8", "8.0", RangeWarning::Max},
      {"8.0", "3.8", "8.0", RangeWarning::None}, {"3.8", "3.8", "8.0", RangeWarning::None},
      {"5", "3.8", "8.0", RangeWarning::None},   {"3.79", "3.8", "8.0", RangeWarning::Min},
      {"abc", "3.8", "8.0", RangeWarning::Min},  {"12x", "3.8", "8.0", RangeWarning::Max},
      {"-5", "3.8", "8.0", RangeWarning::Min},   {".", "3.8", "8.0", RangeWarning::Min},
      {"", "3.8", "8.0", RangeWarning::None},    {"500", "", "8.0", RangeWarning::None},
      {"500", "3.8", "", RangeWarning::None},
  };
  for (const EditCase& c : cases) {
    EXPECT_EQ(CheckEditedFocalLength(c.text, MakeFocalRange(c.fmin, c.fmax)), c.expected)
        << '"' << c.text << "\" in [" << c.fmin << ", " << c.fmax << ']';
  }
}

TEST(FocalRangeCheckTest, WarningTexts) {
  EXPECT_EQ(WarningText(RangeWarning::Max), kMaxMessage);
  EXPECT_EQ(WarningText(RangeWarning::Min), kMinMessage);
  EXPECT_TRUE(WarningText(RangeWarning::None).empty());
  EXPECT_EQ(kMaxMessage,
            "MAX of F value of the camera has been exceeded. Please rewrite correct num.");
  EXPECT_EQ(kMinMessage,
            "MIN of F value of the camera has been exceeded. Please rewrite correct num.");
}

}  // namespace
}  // namespace catalogue
