#pragma once

#include <QString>
#include <string_view>

namespace ui {

// The program's own texts (names, captions, catalogue entries) are UTF-8.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui
