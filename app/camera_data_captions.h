#pragma once

#include <QString>
#include <array>

#include "ui/control_table.h"
#include "ui/form_controls.h"
#include "ui/qt_text.h"

namespace app {

// The camera-data labels' prefixes, as the labels take them.
inline const QString kCcdPrefix = ui::ToQString(ui::kCcdPrefix);
inline const QString kFmaxPrefix = ui::ToQString(ui::kFmaxPrefix);
inline const QString kFminPrefix = ui::ToQString(ui::kFminPrefix);
inline const QString kPixelsAPrefix = ui::ToQString(ui::kPixelsAPrefix);
inline const QString kPixelsBPrefix = ui::ToQString(ui::kPixelsBPrefix);
inline const QString kPixelsAbPrefix = ui::ToQString(ui::kPixelsAbPrefix);

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
