#include "tools/harness/keys.h"

namespace harness {
namespace {

constexpr NamedKey kNamedKeys[] = {
    {"BS", Qt::Key_Backspace, "\b"}, {"RET", Qt::Key_Return, "\r"},
    {"ESC", Qt::Key_Escape, "\x1b"}, {"SPACE", Qt::Key_Space, " "},
    {"DEL", Qt::Key_Delete, "\x7f"}, {"HOME", Qt::Key_Home, ""},
    {"END", Qt::Key_End, ""},        {"LEFT", Qt::Key_Left, ""},
    {"RIGHT", Qt::Key_Right, ""},
};

}  // namespace

std::span<const NamedKey> NamedKeys() { return kNamedKeys; }

Qt::Key KeyOfCharacter(const QString& character) {
  if (character.isEmpty()) return Qt::Key_unknown;
  const char16_t unit = character.front().unicode();
  if (character.size() == 1 && unit > 0x20 && unit < 0x7f) {
    return static_cast<Qt::Key>(QChar(unit).toUpper().unicode());
  }
  return unit == u' ' ? Qt::Key_Space : Qt::Key_unknown;
}

}  // namespace harness
