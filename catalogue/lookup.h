#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"

namespace catalogue {

// Lookups compare texts exactly (case-sensitive) and take rows in ascending order.

// "BOX", "DOME", "PTZ" for option index 0, 1, 2; empty for any other index.
std::string_view CameraTypeLiteral(int optionIndex);

// The models of that type, duplicates kept; none for an empty literal.
std::vector<std::string_view> CameraModelsOfType(std::string_view typeLiteral);

// The first camera of that model and type, or nullptr. Keeping to the chosen type matters
// for "CAM-101", both a BOX row (fmax 83.4) and a DOME row (fmax 83.6).
const CameraRecord* FindCamera(std::string_view model, std::string_view typeLiteral);

// True when the camera has no lens of its own (fmin is the text "0").
bool TakesSeparateLens(const CameraRecord& camera);

// True for "CAM-111 full scan", "CAM-130" and "CAM-111 partial scan": they get lens row
// kSingleLensRow only.
bool TakesSingleLens(std::string_view model);

std::vector<std::string_view> LensModelsForCcd(std::int16_t ccd);
const LensRecord* FindLens(std::string_view model);  // nullptr if none

// Shown values: Ccd as "1/3"; text fields trimmed of leading and trailing spaces.
std::string CcdCaptionValue(std::int16_t ccd);
std::string_view Trimmed(std::string_view text);

}  // namespace catalogue
