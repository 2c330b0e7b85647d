#include "catalogue/lookup.h"

#include <array>

namespace catalogue {

std::string_view CameraTypeLiteral(int optionIndex) {
  static constexpr std::array<std::string_view, 3> kLiterals = {"BOX", "DOME", "PTZ"};
  if (optionIndex < 0 || optionIndex >= static_cast<int>(kLiterals.size())) return {};
  return kLiterals[static_cast<std::size_t>(optionIndex)];
}

std::vector<std::string_view> CameraModelsOfType(std::string_view typeLiteral) {
  std::vector<std::string_view> models;
  // The empty row 19 has an empty type; an empty literal must not pick it up.
  if (typeLiteral.empty()) return models;
  for (const CameraRecord& camera : CameraTable()) {
    if (camera.CameraType == typeLiteral) models.push_back(camera.Model);
  }
  return models;
}

const CameraRecord* FindCamera(std::string_view model, std::string_view typeLiteral) {
  // Without a chosen type there is nothing to find; this also keeps the empty row 19 out.
  if (typeLiteral.empty()) return nullptr;
  for (const CameraRecord& camera : CameraTable()) {
    if (camera.Model == model && camera.CameraType == typeLiteral) return &camera;
  }
  return nullptr;
}

bool TakesSeparateLens(const CameraRecord& camera) { return camera.fmin == "0"; }

bool TakesSingleLens(std::string_view model) {
  return model == "CAM-111 full scan" || model == "CAM-130" || model == "CAM-111 partial scan";
}

std::vector<std::string_view> LensModelsForCcd(std::int16_t ccd) {
  std::vector<std::string_view> models;
  for (const LensRecord& lens : LensTable()) {
    if (lens.Ccd == ccd) models.push_back(lens.Model);
  }
  return models;
}

const LensRecord* FindLens(std::string_view model) {
  for (const LensRecord& lens : LensTable()) {
    if (lens.Model == model) return &lens;
  }
  return nullptr;
}

std::string CcdCaptionValue(std::int16_t ccd) { return "1/" + std::to_string(ccd); }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace catalogue
