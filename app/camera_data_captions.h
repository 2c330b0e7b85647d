#pragma once

#include <QString>

namespace app {

// The camera-data labels read a fixed 14-character prefix, then the value.
inline const QString kCcdPrefix = QStringLiteral("/CCD         :");
inline const QString kFmaxPrefix = QStringLiteral("/f_max [mm]  :");
inline const QString kFminPrefix = QStringLiteral("/f_min [mm]  :");
inline const QString kPixelsAPrefix = QStringLiteral("/Pixels a    :");
inline const QString kPixelsBPrefix = QStringLiteral("/Pixels b    :");
inline const QString kPixelsAbPrefix = QStringLiteral("/Pixels a*b  :");

}  // namespace app
