#pragma once

#include <array>

#include "catalogue/records.h"

namespace catalogue {

// The lens rows 0..10 in their fixed order.
const std::array<LensRecord, kLensRows>& LensTable();

// LNS-05 (1/3 type, 2.8 to 6.0 mm): the only lens offered to the cameras for
// which TakesSingleLens holds; they take it by this row index.
inline constexpr int kSingleLensRow = 4;

}  // namespace catalogue
