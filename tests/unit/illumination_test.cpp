#include <ostream>
#include <string_view>

#include <gtest/gtest.h>

#include "optics/calculator_form.h"
#include "optics/illumination.h"
#include "tests/unit/fake_calculator_form.h"

namespace optics {
namespace {

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
