#pragma once

#include <array>
#include <string_view>

namespace ui {

// The captions of the camera-data labels of the selection panel, top to bottom.
// The form is laid out with the design-time caption; start-up writes the prefix in
// its place, and choosing a camera or a lens writes the prefix followed by the
// value, so the design-time caption is never seen. Every prefix is 14 characters.
struct CameraDataCaptions {
  std::string_view name;
  std::string_view designTime;
  std::string_view prefix;
};

inline constexpr std::array<CameraDataCaptions, 6> kCameraDataCaptions{{
    {"Lblccd", "/CCD\u3000\u3000\u3000\u3000 :", "/CCD         :"},
    {"Lblfmin", "/f_min [mm]\u3000:", "/f_min [mm]  :"},
    {"Lblfmax", "/f_max [mm]\u3000:", "/f_max [mm]  :"},
    {"LblPic_a", "/Pixels (a)\u3000:", "/Pixels a    :"},
    {"LblPic_b", "/Pixels (b)\u3000:", "/Pixels b    :"},
    {"LblPic_ab", "/Pixels (a*b):", "/Pixels a*b  :"},
}};

// The captions of the camera-data label of that name; none for another name.
constexpr CameraDataCaptions CameraDataCaptionsOf(std::string_view name) {
  for (const CameraDataCaptions& captions : kCameraDataCaptions) {
    if (captions.name == name) return captions;
  }
  return {};
}

}  // namespace ui
