#pragma once

#include <QString>
#include <array>

#include "ui/camera_data_captions.h"
#include "ui/form_controls.h"
#include "ui/qt_text.h"

namespace app {

// The camera-data labels' prefixes, as the labels take them.
inline QString CameraDataPrefix(std::string_view name) {
  return ui::ToQString(ui::CameraDataCaptionsOf(name).prefix);
}
inline const QString kCcdPrefix = CameraDataPrefix("Lblccd");
inline const QString kFmaxPrefix = CameraDataPrefix("Lblfmax");
inline const QString kFminPrefix = CameraDataPrefix("Lblfmin");
inline const QString kPixelsAPrefix = CameraDataPrefix("LblPic_a");
inline const QString kPixelsBPrefix = CameraDataPrefix("LblPic_b");
inline const QString kPixelsAbPrefix = CameraDataPrefix("LblPic_ab");

struct CameraDataLabel {
  QLabel* ui::FormControls::*label;
  const QString& prefix;
};

// The camera-data labels of the selection panel, top to bottom.
inline const std::array<CameraDataLabel, 6> kCameraDataLabels{{
    {&ui::FormControls::Lblccd, kCcdPrefix},
    {&ui::FormControls::Lblfmin, kFminPrefix},
    {&ui::FormControls::Lblfmax, kFmaxPrefix},
    {&ui::FormControls::LblPic_a, kPixelsAPrefix},
    {&ui::FormControls::LblPic_b, kPixelsBPrefix},
    {&ui::FormControls::LblPic_ab, kPixelsAbPrefix},
}};

}  // namespace app
