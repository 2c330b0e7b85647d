#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace catalogue {

// One camera model. Focal lengths and the pixel count a*b stay text: they are
// shown exactly as stored ("114.0", not 114) and only read as numbers to compare.
struct CameraRecord {
  std::string_view Model;       // list text and lookup key
  std::string_view CameraType;  // "BOX", "DOME" or "PTZ"
  std::int16_t Ccd;             // n of a 1/n type imager: 2, 3 or 4
  std::string_view fmin;        // "0" when the camera takes a separate lens
  std::string_view fmax;        // "0" when the camera takes a separate lens
  std::int16_t Pic_a;           // horizontal pixels
  std::int16_t Pic_b;           // vertical pixels
  std::string_view Pic_ab;      // millions of pixels, stored rather than computed
};

// One lens model for box cameras without a lens of their own.
struct LensRecord {
  std::string_view Model;  // list text and lookup key
  std::int16_t Ccd;        // sensor-format code of the cameras it fits
  std::string_view fmin;
  std::string_view fmax;  // equals fmin for a fixed-focal lens
};

inline constexpr int kCameraRows = 37;
inline constexpr int kLensRows = 11;

// The tables in their fixed row order. Camera row 19 was never filled and stays empty
// (empty texts, zero numbers), so no camera type ever lists it.
const std::array<CameraRecord, kCameraRows>& CameraTable();
const std::array<LensRecord, kLensRows>& LensTable();

// LNS-05 (1/3 type, 2.8 to 6.0 mm): the only lens offered to the cameras for which
// TakesSingleLens holds; they take it by this row index.
inline constexpr int kSingleLensRow = 4;

}  // namespace catalogue
