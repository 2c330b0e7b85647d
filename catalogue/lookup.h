#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/records.h"

namespace catalogue {

// Lookups compare texts exactly (case-sensitive) and take rows in ascending order.

// "BOX", "DOME", "PTZ" for option index 0,1,2; empty view for any other index.
std::string_view CameraTypeLiteral(int optionIndex);

// Model names of the rows whose CameraType equals the literal, ascending row order
// (duplicates kept; empty literal lists nothing).
std::vector<std::string_view> CameraModelsOfType(std::string_view typeLiteral);

// First row (ascending) whose Model equals model exactly AND whose CameraType equals
// typeLiteral; nullptr if none (always for an empty literal). Keeping to the chosen type matters
// for "CAM-101", which is both a BOX row (fmax 83.4) and a DOME row (fmax 83.6).
const CameraRecord* FindCamera(std::string_view model, std::string_view typeLiteral);

// True when the camera has no lens of its own (fmin is the text "0").
bool TakesSeparateLens(const CameraRecord& camera);

// True for exactly "CAM-111 full scan", "CAM-130", "CAM-111 partial scan": they get
// lens row kSingleLensRow only.
bool TakesSingleLens(std::string_view model);

// Lens model names whose Ccd equals ccd, ascending row order.
std::vector<std::string_view> LensModelsForCcd(std::int16_t ccd);

// First lens row whose Model equals model exactly; nullptr if none.
const LensRecord* FindLens(std::string_view model);

// Shown values: Ccd as "1/" + decimal, e.g. "1/3"; text fields trimmed of
// leading/trailing spaces.
std::string CcdCaptionValue(std::int16_t ccd);
std::string_view Trimmed(std::string_view text);

}  // namespace catalogue
