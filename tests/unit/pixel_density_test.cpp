#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "optics/angle_of_view.h"
#include "optics/pixel_density.h"
#include "optics/sensor_format.h"

namespace optics {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// "CAM-116": 752 x 582 pixels on a 1/4 type imager, at its shortest 2.8 mm.
constexpr double kPicA = 752;
constexpr double kPicB = 582;
const SensorFormat& kQuarterType = kSensorFormats[0];

TEST(PixelDensityTest, ExampleCameraAtTenMetres) {
  const double width = SceneSize(kQuarterType.width, 2.8, 10);
  const double height = SceneSize(kQuarterType.height, 2.8, 10);
  const std::optional<double> across = PixelDensity(kPicA, width);
  const std::optional<double> down = PixelDensity(kPicB, height);
  ASSERT_TRUE(across && down);
  // From the unrounded 12.857 m, not the 12.9 m shown: 58.49, not 58.29.
  EXPECT_NEAR(*across, 58.49, 0.005);
  EXPECT_NEAR(*down, 60.36, 0.005);
  EXPECT_EQ(DensityNote(*across, "across"), "58 px/m across: detect (DORI, EN 62676-4:2015)");
  EXPECT_EQ(DensityNote(*down, "down"), "60 px/m down: detect (DORI, EN 62676-4:2015)");
}

TEST(PixelDensityTest, LevelsStartAtTheirThresholds) {
  struct Case {
    double density;
    const char* note;
  };
  const Case cases[] = {
      {1000, "1000 px/m across: identify"},
      {250, "250 px/m across: identify"},
      // Rounded for the eye, judged exactly: 249.6 px/m misses identify.
      {249.6, "250 px/m across: recognise"},
      {125, "125 px/m across: recognise"},
      {124.99, "125 px/m across: observe"},
      {62.5, "63 px/m across: observe"},
      {62.49, "62 px/m across: detect"},
      {25, "25 px/m across: detect"},
      {24.5, "25 px/m across: below detect"},
      {0.4, "0 px/m across: below detect"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DensityNote(c.density, "across"), std::string(c.note) + " (DORI, EN 62676-4:2015)")
        << c.density;
  }
}

// Any scene wider than nothing has a density, a door of 0.8 m as well as a car park.
TEST(PixelDensityTest, ScenesUnderAndOverAMetre) {
  struct Case {
    double pixels;
    double metres;
    double density;
  };
  const Case cases[] = {{752, 0.8, 940}, {752, 0.05, 15040}, {582, 0.5, 1164}, {752, 1, 752},
                        {752, 1.6, 470}, {582, 9.6, 60.625}, {1296, 129.6, 10}};
  for (const Case& c : cases) {
    const std::optional<double> density = PixelDensity(c.pixels, c.metres);
    ASSERT_TRUE(density) << c.pixels << " px on " << c.metres << " m";
    EXPECT_NEAR(*density, c.density, 1e-9) << c.pixels << " px on " << c.metres << " m";
  }
}

TEST(PixelDensityTest, NoDensityWithoutAPositiveFiniteValue) {
  struct Case {
    double pixels;
    double metres;
  };
  const Case cases[] = {{752, 0},     {752, -12.9}, {0, 12.9},    {-752, 12.9}, {752, kNaN},
                        {kNaN, 12.9}, {752, kInf},  {kInf, 12.9}, {752, 1e-320}};
  for (const Case& c : cases) {
    EXPECT_FALSE(PixelDensity(c.pixels, c.metres)) << c.pixels << " px on " << c.metres << " m";
  }
}

TEST(DoriDistanceTest, ExampleCameraAtItsShortestFocalLength) {
  const auto distances = DoriDistances(kPicA, 2.8, kQuarterType.width);
  const double expected[] = {2.3396, 4.6791, 9.3582, 23.3956};
  for (std::size_t i = 0; i < distances.size(); ++i) {
    EXPECT_NEAR(distances[i], expected[i], 1e-4) << kDoriThresholds[i].name;
    // Each distance gives exactly the level's density on the scene there.
    EXPECT_NEAR(kPicA / SceneSize(kQuarterType.width, 2.8, distances[i]),
                kDoriThresholds[i].pixelsPerMetre, 1e-9);
  }
  EXPECT_EQ(DoriRangeNote("CAM-116", kPicA, 2.8, kQuarterType.width),
            "CAM-116 at 2.8 mm: identify up to 2.3 m, recognise 4.7 m, observe 9.4 m, "
            "detect 23.4 m (DORI, EN 62676-4:2015)");
  EXPECT_EQ(DoriRangeNote("CAM-120", kPicA, 114, kQuarterType.width),
            "CAM-120 at 114 mm: identify up to 95.3 m, recognise 190.5 m, observe 381.0 m, "
            "detect 952.5 m (DORI, EN 62676-4:2015)");
}

TEST(DoriDistanceTest, NoRangeWithoutAPositiveFiniteFocalLength) {
  for (double f : {0.0, -2.8, kNaN, kInf}) {
    EXPECT_EQ(DoriRangeNote("CAM-116", kPicA, f, kQuarterType.width), "") << f;
  }
  EXPECT_EQ(DoriRangeNote("", 0, 2.8, kQuarterType.width), "");
}

}  // namespace
}  // namespace optics
