#pragma once

#include <QString>
#include <array>

#include "ui/form_controls.h"

namespace app {

// The camera-data labels read a fixed 14-character prefix, then the value.
inline const QString kCcdPrefix = QStringLiteral("/CCD         :");
inline const QString kFmaxPrefix = QStringLiteral("/f_max [mm]  :");
inline const QString kFminPrefix = QStringLiteral("/f_min [mm]  :");
inline const QString kPixelsAPrefix = QStringLiteral("/Pixels a    :");
inline const QString kPixelsBPrefix = QStringLiteral("/Pixels b    :");
inline const QString kPixelsAbPrefix = QStringLiteral("/Pixels a*b  :");

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
