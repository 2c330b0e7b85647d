#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace optics {

// The levels of detail of EN 62676-4:2015 from the finest down, each reached from a
// least pixel density on the scene.
struct DoriThreshold {
  double pixelsPerMetre;
  std::string_view name;
};
inline constexpr std::array<DoriThreshold, 4> kDoriThresholds{{
    {250, "identify"},
    {125, "recognise"},
    {62.5, "observe"},
    {25, "detect"},
}};

// Pixels on each metre of a scene `metres` long that `pixels` pixels cover; none
// unless both are positive and the density is finite.
std::optional<double> PixelDensity(double pixels, double metres);

// "58 px/m across: detect (DORI, EN 62676-4:2015)": the density rounded to a whole
// number, the direction it is measured in, the level the exact density reaches.
std::string DensityNote(double pixelsPerMetre, std::string_view direction);

// Per level of kDoriThresholds, the greatest distance [m] at which pixelsAcross pixels on
// an imager imagerWidth mm wide behind focal length f [mm] still give its density.
std::array<double, kDoriThresholds.size()> DoriDistances(double pixelsAcross, double f,
                                                         double imagerWidth);

// "CAM-116 at 2.8 mm: identify up to 2.3 m, recognise 4.7 m, observe 9.4 m, detect 23.4 m
// (DORI, EN 62676-4:2015)"; empty unless the numbers are positive and the distances finite.
std::string DoriRangeNote(std::string_view model, double pixelsAcross, double f,
                          double imagerWidth);

}  // namespace optics
