#pragma once

#include <QString>
#include <Qt>
#include <cstddef>
#include <random>

namespace fuzz {

using Random = std::mt19937_64;

// A number in [0, count).
int Pick(Random& random, int count);

struct KeyStroke {
  int key = 0;  // Qt::Key
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text;
};

// A key of a random class: digits and the point most often, so that the fields
// fill up and the length limit is met, then letters, space, punctuation, the
// editing and caret keys, Shift selections, control characters, non-ASCII
// characters inside and outside the basic plane, lone surrogates, several
// characters in one event, and Alt, Meta and AltGr combinations.
KeyStroke RandomKey(Random& random);

// A key for a control that is not an entry field: arrows, space, Tab, Return.
KeyStroke RandomNavigationKey(Random& random);

// An editing shortcut of the line edit: undo, redo, paste, cut, copy, select all,
// word deletion.
KeyStroke RandomShortcut(Random& random);

// A text to paste or compose: empty, long, signed, exponent, several points,
// non-ASCII digits, emoji, line breaks, lone surrogates, random mixtures.
QString RandomOddText(Random& random);

}  // namespace fuzz
