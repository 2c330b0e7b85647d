#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>

#include "ui/entry_keys.h"

namespace ui {

class EntryField;

// Texts counted and cut in characters (code points), never splitting a surrogate
// pair: the length rules count what the user sees as one character.
qsizetype CharacterCount(QStringView text);
QString CharacterPrefix(QStringView text, qsizetype count);
QStringList Characters(QStringView text);

// The key filter: digits, one decimal point (not first) and Backspace, up to limit - 1
// characters; over a selection, any key but a digit becomes Backspace and deletes it.
KeyCode FilteredKeyCode(KeyCode keyCode, std::int16_t limit, QStringView text,
                        qsizetype selectionLength);
void FilterNumericKey(KeyCode& keyCode, std::int16_t limit, const EntryField& box);

// Cuts a text of limit or more characters back to its first limit - 1. A partner
// value written by a calculator is exempt, so that its change handling ends.
void LimitTextLength(EntryField& box, std::int16_t limit);

// Selects the whole text, so that the next digit typed replaces it.
void SelectWholeText(EntryField& box);

}  // namespace ui
