#include "optics/pixel_density.h"

#include <cmath>

#include "optics/number_text.h"

namespace optics {
namespace {

constexpr std::string_view kSourceSuffix = " (DORI, EN 62676-4:2015)";

// The level the exact density reaches: one that only rounds up to a threshold does not.
std::string_view LevelName(double pixelsPerMetre) {
  for (const DoriThreshold& threshold : kDoriThresholds) {
    if (pixelsPerMetre >= threshold.pixelsPerMetre) return threshold.name;
  }
  return "below detect";
}

}  // namespace

std::optional<double> PixelDensity(double pixels, double metres) {
  if (!(pixels > 0) || !(metres > 0)) return std::nullopt;
  const double density = pixels / metres;
  if (!(density > 0) || !std::isfinite(density)) return std::nullopt;
  return density;
}

std::string DensityNote(double pixelsPerMetre, std::string_view direction) {
  return FormatShortest(RoundTo(pixelsPerMetre, 0)) + " px/m " + std::string(direction) + ": " +
         std::string(LevelName(pixelsPerMetre)) + std::string(kSourceSuffix);
}

std::array<double, kDoriThresholds.size()> DoriDistances(double pixelsAcross, double f,
                                                         double imagerWidth) {
  std::array<double, kDoriThresholds.size()> distances{};
  for (std::size_t i = 0; i < kDoriThresholds.size(); ++i) {
    distances[i] = pixelsAcross * f / (imagerWidth * kDoriThresholds[i].pixelsPerMetre);
  }
  return distances;
}

std::string DoriRangeNote(std::string_view model, double pixelsAcross, double f,
                          double imagerWidth) {
  if (!(pixelsAcross > 0) || !(f > 0) || !(imagerWidth > 0)) return {};
  const auto distances = DoriDistances(pixelsAcross, f, imagerWidth);
  for (double distance : distances) {
    if (!std::isfinite(distance)) return {};
  }
  std::string note = std::string(model) + " at " + FormatShortest(f) + " mm:";
  for (std::size_t i = 0; i < distances.size(); ++i) {
    note += (i == 0 ? " " : ", ") + std::string(kDoriThresholds[i].name) +
            (i == 0 ? " up to " : " ") + FormatOneDecimal(RoundTo(distances[i], 1)) + " m";
  }
  return note + std::string(kSourceSuffix);
}

}  // namespace optics
