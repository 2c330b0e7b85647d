#include "ui/numeric_entry.h"

#include "ui/characters.h"
#include "ui/entry_field.h"

namespace ui {
namespace {

bool IsDigit(KeyCode code) { return code >= '0' && code <= '9'; }

}  // namespace

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
