// Fuzz target for the key filter of the entry fields: the filter's answer against
// a model written from its description, and random typing into a text with the
// answer applied as the field applies it.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/byte_reader.h"
#include "tests/fuzz/fuzz_failure.h"
#include "ui/entry_field.h"
#include "ui/numeric_entry.h"

namespace {

using fuzz::Fail;
using ui::KeyCode;

constexpr std::int16_t kFieldLimit = 4;

// What a user can type: digits most of all, the point, Backspace (code 8 with
// no character), then anything else, inside and outside the basic plane.
const QStringList& Typeable() {
  static const QStringList kCharacters = {
      QStringLiteral("0"),         QStringLiteral("1"),          QStringLiteral("5"),
      QStringLiteral("9"),         QStringLiteral("."),          QStringLiteral("\b"),
      QStringLiteral("\r"),        QStringLiteral("\x1b"),       QStringLiteral("a"),
      QStringLiteral(" "),         QStringLiteral("-"),          QStringLiteral("\u00bd"),
      QStringLiteral("\u0663"),    QStringLiteral("\U0001F600"), QString(QChar(char16_t{0xd83d})),
      QString(QChar(char16_t{0})),
  };
  return kCharacters;
}

QString Join(const QStringList& characters) { return characters.join(QString()); }

std::string Utf8(const QString& text) { return text.toStdString(); }

bool IsDigit(KeyCode code) { return code >= '0' && code <= '9'; }

// The filter as its description states it.
KeyCode Expected(KeyCode key, std::int16_t limit, const QString& text, qsizetype selection) {
  if (key == ui::kBackspaceKey) return key;
  const bool full = ui::CharacterCount(text) > limit - 1;
  if (selection > 0) return IsDigit(key) ? key : ui::kBackspaceKey;
  if (IsDigit(key)) return full ? ui::kDiscardKey : key;
  if (key == '.' && !text.isEmpty() && !text.contains(u'.') && !full) return key;
  return ui::kDiscardKey;
}

void CheckAnswer(fuzz::ByteReader& reader) {
  // Mostly the codes the filter tells apart, now and then any code at all.
  static const KeyCode kCodes[] = {'0',
                                   '4',
                                   '9',
                                   '.',
                                   ui::kBackspaceKey,
                                   ui::kReturnKey,
                                   ui::kEscapeKey,
                                   ui::kDiscardKey,
                                   '/',
                                   ':',
                                   'a',
                                   0x7fff,
                                   -1,
                                   0xff};
  const int pick = reader.Below(20);
  const KeyCode key = pick < 14 ? kCodes[pick] : static_cast<KeyCode>(reader.Word());
  const auto limit = static_cast<std::int16_t>(reader.Below(12) - 1);
  QStringList characters;
  for (int i = reader.Below(8); i > 0; --i) characters.append(Typeable()[reader.Below(16)]);
  const QString text = Join(characters);
  const qsizetype selection = reader.Below(static_cast<int>(text.size()) + 1);
  const KeyCode answer = ui::FilteredKeyCode(key, limit, text, selection);
  if (answer != Expected(key, limit, text, selection)) {
    Fail("the filter's answer differs from its description",
         "key " + std::to_string(key) + " limit " + std::to_string(limit) + " selection " +
             std::to_string(selection) + " text " + Utf8(text));
  }
}

bool IsNumeric(const QString& text) {
  return text.count(u'.') <= 1 && std::all_of(text.begin(), text.end(), [](QChar c) {
           return (c >= u'0' && c <= u'9') || c == u'.';
         });
}

// One field: its characters, the caret and the selection, in characters.
struct Field {
  QStringList characters;
  qsizetype caret = 0;
  qsizetype anchor = 0;

  qsizetype From() const { return std::min(caret, anchor); }
  qsizetype Selected() const { return std::abs(caret - anchor); }
  void DropSelection() {
    characters.remove(From(), Selected());
    caret = anchor = From();
  }
};

void Type(Field& field, const QString& typed) {
  const KeyCode code =
      typed == QLatin1String("\b") ? ui::kBackspaceKey : ui::KeyCodeOfCharacter(typed);
  const KeyCode answer =
      ui::FilteredKeyCode(code, kFieldLimit, Join(field.characters), field.Selected());
  if (answer == ui::kDiscardKey) return;
  if (answer == ui::kBackspaceKey) {
    if (field.Selected() > 0) {
      field.DropSelection();
    } else if (field.caret > 0) {
      field.characters.removeAt(--field.caret);
      field.anchor = field.caret;
    }
    return;
  }
  field.DropSelection();
  field.characters.insert(field.caret++, answer == code ? typed : QString(QChar(answer)));
  field.anchor = field.caret;
}

void CheckTyping(fuzz::ByteReader& reader) {
  static const QStringList kStarts = {QString(), QStringLiteral("1"), QStringLiteral("12.5"),
                                      QStringLiteral("101.3"), QStringLiteral("0.")};
  Field field;
  field.characters = ui::Characters(kStarts[reader.Below(static_cast<int>(kStarts.size()))]);
  field.caret = field.anchor = field.characters.size();
  const qsizetype most = std::max<qsizetype>(kFieldLimit, field.characters.size());
  std::string keys;
  while (!reader.Empty()) {
    const int step = reader.Below(10);
    const auto at = [&] {
      return static_cast<qsizetype>(reader.Below(static_cast<int>(field.characters.size()) + 1));
    };
    if (step < 7) {
      const QString typed = Typeable()[reader.Below(16)];
      keys += Utf8(typed) + " ";
      Type(field, typed);
    } else if (step < 9) {
      field.caret = field.anchor = at();  // a click or a caret key
    } else {
      field.anchor = at();  // a Shift selection
      field.caret = at();
    }
    const QString text = Join(field.characters);
    if (field.characters.size() > most)
      Fail("typing made the text longer than 4 characters", keys + "-> " + Utf8(text));
    if (!IsNumeric(text))
      Fail("typing let a character other than a digit or one point in", keys + "-> " + Utf8(text));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader reader(data, size);
  CheckAnswer(reader);
  CheckTyping(reader);
  return 0;
}
