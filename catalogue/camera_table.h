#pragma once

#include <array>

#include "catalogue/records.h"

namespace catalogue {

// The camera rows 0..36 in their fixed order. Row 19 was never filled and stays
// empty (empty texts, zero numbers), so no camera type ever lists it.
const std::array<CameraRecord, kCameraRows>& CameraTable();

}  // namespace catalogue
