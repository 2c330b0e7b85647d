#include "ui/numeric_entry.h"

#include "ui/entry_field.h"

namespace ui {
namespace {

qsizetype UnitsOfCharacterAt(QStringView text, qsizetype index) {
  return text[index].isHighSurrogate() && index + 1 < text.size() &&
                 text[index + 1].isLowSurrogate()
             ? 2
             : 1;
}

bool IsDigit(KeyCode code) { return code >= '0' && code <= '9'; }

}  // namespace

qsizetype CharacterCount(QStringView text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); i += UnitsOfCharacterAt(text, i)) ++count;
  return count;
}

QString CharacterPrefix(QStringView text, qsizetype count) {
  qsizetype end = 0;
  for (qsizetype n = 0; n < count && end < text.size(); ++n) end += UnitsOfCharacterAt(text, end);
  return text.first(end).toString();
}

QStringList Characters(QStringView text) {
  QStringList characters;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype units = UnitsOfCharacterAt(text, i);
    characters.append(text.mid(i, units).toString());
    i += units;
  }
  return characters;
}

KeyCode FilteredKeyCode(KeyCode keyCode, std::int16_t limit, QStringView text,
                        qsizetype selectionLength) {
  const KeyCode typed = keyCode;
  if (!IsDigit(typed)) {
    if (typed != '.') {
      if (keyCode == kBackspaceKey) return keyCode;
      keyCode = kDiscardKey;
    } else if (text.contains(u'.') || text.isEmpty()) {
      keyCode = kDiscardKey;
    }
  }
  if (selectionLength == 0) {
    if (CharacterCount(text) > limit - 1) keyCode = kDiscardKey;
  } else if (!IsDigit(typed)) {
    keyCode = kBackspaceKey;
  }
  return keyCode;
}

void FilterNumericKey(KeyCode& keyCode, std::int16_t limit, const EntryField& box) {
  keyCode = FilteredKeyCode(keyCode, limit, box.text(), box.selectedText().size());
}

void LimitTextLength(EntryField& box, std::int16_t limit) {
  if (box.InExemptWrite()) return;
  const QString text = box.text();
  if (CharacterCount(text) >= limit) box.WriteText(CharacterPrefix(text, limit - 1));
}

void SelectWholeText(EntryField& box) { box.setSelection(0, static_cast<int>(box.text().size())); }

}  // namespace ui
