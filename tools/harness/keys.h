#pragma once

#include <QString>
#include <Qt>
#include <span>

namespace harness {

// A key the replay language names (key NAME BS), with the text a keyboard sends
// along with it.
struct NamedKey {
  const char* name;
  Qt::Key key;
  const char* text;
};

std::span<const NamedKey> NamedKeys();

// The key a keyboard reports for a typed character: printable ASCII carries its
// upper-case code, the space Key_Space, anything else is an unknown key that only
// types its text.
Qt::Key KeyOfCharacter(const QString& character);

}  // namespace harness
