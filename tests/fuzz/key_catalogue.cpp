#include "tests/fuzz/key_catalogue.h"

#include <array>

#include "tools/harness/keys.h"

namespace fuzz {
namespace {

template <typename T, std::size_t N>
const T& OneOf(Random& random, const std::array<T, N>& items) {
  return items[static_cast<std::size_t>(Pick(random, static_cast<int>(N)))];
}

// A typed character comes with the key a keyboard reports for it.
KeyStroke Character(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return {harness::KeyOfCharacter(text), modifiers, text};
}

QString Digit(Random& random) { return QString(QChar(u'0' + Pick(random, 10))); }

QString Letter(Random& random) {
  const int letter = Pick(random, 26);
  return QString(QChar((Pick(random, 2) == 0 ? u'a' : u'A') + letter));
}

struct Named {
  Qt::Key key;
  const char* text;
};

constexpr std::array<Named, 16> kEditingKeys{{
    {Qt::Key_Backspace, "\b"},
    {Qt::Key_Return, "\r"},
    {Qt::Key_Enter, "\r"},
    {Qt::Key_Escape, "\x1b"},
    {Qt::Key_Delete, "\x7f"},
    {Qt::Key_Left, ""},
    {Qt::Key_Right, ""},
    {Qt::Key_Up, ""},
    {Qt::Key_Down, ""},
    {Qt::Key_Home, ""},
    {Qt::Key_End, ""},
    {Qt::Key_Insert, ""},
    {Qt::Key_PageUp, ""},
    {Qt::Key_F2, ""},
    {Qt::Key_Tab, "\t"},
    {Qt::Key_Backspace, "\b"},
}};

constexpr std::array<Qt::Key, 4> kSelectionKeys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                                Qt::Key_End};

// Latin-1 (a code the filter sees as a character), other scripts' digits,
// full-width digits, no-break space, zero-width joiner, a direction mark, a
// private-use character, the line separator, a byte-order mark, a combining accent.
const std::array<QString, 14> kBasicPlane{
    QStringLiteral("\u00e9"), QStringLiteral("\u00df"), QStringLiteral("\u00bd"),
    QStringLiteral("\u00b2"), QStringLiteral("\u0663"), QStringLiteral("\uff13"),
    QStringLiteral("\u6f22"), QStringLiteral("\u00a0"), QStringLiteral("\u200d"),
    QStringLiteral("\u200e"), QStringLiteral("\ue000"), QStringLiteral("\u2028"),
    QStringLiteral("\ufeff"), QStringLiteral("\u0301"),
};

// An emoji, a mathematical digit, the first supplementary character, a tag
// character (a format character) and a supplementary private-use character.
const std::array<QString, 5> kSurrogatePairs{
    QStringLiteral("\U0001F600"), QStringLiteral("\U0001D7D7"), QStringLiteral("\U00010000"),
    QStringLiteral("\U000E0031"), QStringLiteral("\U000F0000"),
};

const std::array<QString, 6> kSeveralCharacters{
    QStringLiteral("12"),          QStringLiteral("1.5"), QStringLiteral("99999"),
    QStringLiteral("1\U0001F600"), QStringLiteral("a1"),  QStringLiteral("5\u0301"),
};

QString LoneSurrogate(Random& random) {
  return QString(QChar(Pick(random, 2) == 0 ? char16_t{0xd83d} : char16_t{0xde00}));
}

QString ControlCharacter(Random& random) {
  const int code = Pick(random, 33);
  return QString(QChar(code == 32 ? char16_t{0x7f} : static_cast<char16_t>(code)));
}

KeyStroke Modified(Random& random) {
  // Ctrl+Alt is how AltGr arrives on some systems.
  const std::array<Qt::KeyboardModifiers, 3> kModifiers{Qt::AltModifier, Qt::MetaModifier,
                                                        Qt::ControlModifier | Qt::AltModifier};
  const Qt::KeyboardModifiers modifiers = OneOf(random, kModifiers);
  return Character(Pick(random, 2) == 0 ? Digit(random) : Letter(random), modifiers);
}

}  // namespace

int Pick(Random& random, int count) {
  return std::uniform_int_distribution<int>(0, count - 1)(random);
}

KeyStroke RandomKey(Random& random) {
  const int roll = Pick(random, 100);
  if (roll < 34) return Character(Digit(random));
  if (roll < 42) return Character(QStringLiteral("."));
  if (roll < 46) return Character(Letter(random));
  if (roll < 48) return Character(QStringLiteral(" "));
  if (roll < 51) return Character(QString(QLatin1Char("-+,e/*#"[Pick(random, 7)])));
  if (roll < 65) {
    const Named& named = OneOf(random, kEditingKeys);
    return {named.key, Qt::NoModifier, QString::fromLatin1(named.text)};
  }
  if (roll < 71) return {OneOf(random, kSelectionKeys), Qt::ShiftModifier, QString()};
  if (roll < 74) return {Qt::Key_unknown, Qt::NoModifier, ControlCharacter(random)};
  if (roll < 80) return Character(OneOf(random, kBasicPlane));
  if (roll < 84) return Character(OneOf(random, kSurrogatePairs));
  if (roll < 85) return Character(LoneSurrogate(random));
  if (roll < 88) return Character(OneOf(random, kSeveralCharacters));
  if (roll < 91) return Modified(random);
  return RandomShortcut(random);
}

KeyStroke RandomNavigationKey(Random& random) {
  constexpr std::array<Named, 8> kKeys{{
      {Qt::Key_Up, ""},
      {Qt::Key_Down, ""},
      {Qt::Key_Home, ""},
      {Qt::Key_End, ""},
      {Qt::Key_Space, " "},
      {Qt::Key_Return, "\r"},
      {Qt::Key_Tab, "\t"},
      {Qt::Key_PageDown, ""},
  }};
  const Named& named = OneOf(random, kKeys);
  return {named.key, Qt::NoModifier, QString::fromLatin1(named.text)};
}

KeyStroke RandomShortcut(Random& random) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const std::array<KeyStroke, 12> kShortcuts{{
      {Qt::Key_Z, ctrl, QStringLiteral("\x1a")},
      {Qt::Key_Z, ctrl | Qt::ShiftModifier, QStringLiteral("\x1a")},
      {Qt::Key_Y, ctrl, QStringLiteral("\x19")},
      {Qt::Key_V, ctrl, QStringLiteral("\x16")},
      {Qt::Key_V, ctrl, QStringLiteral("v")},
      {Qt::Key_Insert, Qt::ShiftModifier, QString()},
      {Qt::Key_X, ctrl, QStringLiteral("\x18")},
      {Qt::Key_C, ctrl, QStringLiteral("\x03")},
      {Qt::Key_A, ctrl, QStringLiteral("\x01")},
      {Qt::Key_Backspace, ctrl, QStringLiteral("\b")},
      {Qt::Key_Delete, ctrl, QStringLiteral("\x7f")},
      {Qt::Key_Left, ctrl | Qt::ShiftModifier, QString()},
  }};
  return OneOf(random, kShortcuts);
}

QString RandomOddText(Random& random) {
  const std::array<QString, 26> kTexts{
      QString(),
      QStringLiteral("1"),
      QStringLiteral("1234"),
      QStringLiteral("12345"),
      QStringLiteral("101.3"),
      QStringLiteral("1234567890123456789012345678901234567890"),
      QString(1000, QLatin1Char('9')),
      QStringLiteral("-1"),
      QStringLiteral("+2"),
      QStringLiteral("1e5"),
      QStringLiteral(".."),
      QStringLiteral(".5"),
      QStringLiteral("5."),
      QStringLiteral(" 12"),
      QStringLiteral("NaN"),
      QStringLiteral("inf"),
      QStringLiteral("0x1F"),
      QStringLiteral("\u0661\u0662\u0663"),
      QStringLiteral("\uff11\uff12\uff13"),
      QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"),
      QStringLiteral("12\n34"),
      QStringLiteral("\t"),
      QStringLiteral("1,5"),
      QStringLiteral("\u200d\u200d"),
      QString(QChar(char16_t{0xd83d})) + QStringLiteral("1"),
      QStringLiteral("1.2.3"),
  };
  if (Pick(random, 4) > 0) return OneOf(random, kTexts);
  // A random mixture of digits, points and the odd character.
  QString text;
  const int length = Pick(random, 12);
  for (int i = 0; i < length; ++i) {
    const int roll = Pick(random, 10);
    text += roll < 7 ? Digit(random) : roll < 9 ? QStringLiteral(".") : OneOf(random, kBasicPlane);
  }
  return text;
}

}  // namespace fuzz
