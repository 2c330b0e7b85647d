#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace optics {

// The levels of detail of EN 62676-4:2015 (detect, observe, recognise, identify),
// each reached from a least pixel density on the scene.
enum class DoriLevel { BelowDetect, Detect, Observe, Recognise, Identify };

struct DoriThreshold {
  DoriLevel level;
  double pixelsPerMetre;  // least density of the level
  std::string_view name;
};

// From the finest level down.
inline constexpr std::array<DoriThreshold, 4> kDoriThresholds{{
    {DoriLevel::Identify, 250, "identify"},
    {DoriLevel::Recognise, 125, "recognise"},
    {DoriLevel::Observe, 62.5, "observe"},
    {DoriLevel::Detect, 25, "detect"},
}};

inline constexpr std::string_view kDoriSource = "DORI, EN 62676-4:2015";

// Pixels on each metre of a scene `metres` long that `pixels` pixels cover; none
// unless both are positive and the density is finite.
std::optional<double> PixelDensity(double pixels, double metres);

// The level the exact density reaches: a density that only rounds up to a
// threshold does not reach it.
DoriLevel LevelOf(double pixelsPerMetre);
std::string_view LevelName(DoriLevel level);

// "58 px/m across: detect (DORI, EN 62676-4:2015)": the density rounded to a
// whole number, the direction it is measured in, its level.
std::string DensityNote(double pixelsPerMetre, std::string_view direction);

// The greatest distance [m], level by level in the order of kDoriThresholds, at
// which `pixelsAcross` pixels on an imager `imagerWidth` mm wide behind a lens of
// focal length f [mm] still give that level's density: pixels x f / (width x density).
std::array<double, kDoriThresholds.size()> DoriDistances(double pixelsAcross, double f,
                                                         double imagerWidth);

// "CAM-116 at 2.8 mm: identify up to 2.3 m, recognise 4.7 m, observe 9.4 m,
// detect 23.4 m (DORI, EN 62676-4:2015)"; empty unless f, the pixels and the width
// are positive and every distance is finite.
std::string DoriRangeNote(std::string_view model, double pixelsAcross, double f,
                          double imagerWidth);

}  // namespace optics
