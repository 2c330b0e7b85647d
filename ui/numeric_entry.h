#pragma once

#include <QStringView>
#include <cstdint>

#include "ui/key_code.h"

namespace ui {

class EntryField;

// The key filter of the entry fields: digits, one decimal point (not first) and
// Backspace, and no more than limit - 1 characters without a selection. With a
// selection, any key that is not a digit becomes Backspace and deletes it.
KeyCode FilteredKeyCode(KeyCode keyCode, std::int16_t limit, QStringView text,
                        qsizetype selectionLength);

// The same applied to a box's current text and selection.
void FilterNumericKey(KeyCode& keyCode, std::int16_t limit, const EntryField& box);

// Cuts a text of limit or more characters back to its first limit - 1. A partner
// value written by a calculator is exempt, so that its change handling ends.
void LimitTextLength(EntryField& box, std::int16_t limit);

// Selects the whole text, so that the next digit typed replaces it.
void SelectWholeText(EntryField& box);

}  // namespace ui
