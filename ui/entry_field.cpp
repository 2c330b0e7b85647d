#include "ui/entry_field.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

#include "ui/numeric_entry.h"

namespace ui {
namespace {

// Keys that reach the key handler with a fixed code although they type no text.
KeyCode ControlKeyCode(int key) {
  if (key == Qt::Key_Backspace) return kBackspaceKey;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return kReturnKey;
  return key == Qt::Key_Escape ? kEscapeKey : kDiscardKey;
}

// By modifiers, not by the event's text: on X11 Ctrl+V brings "\x16", a synthesised
// one "v". Ctrl with Alt is AltGr on some keyboards, which types characters.
bool IsEditingShortcut(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  return (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
}

// Alt and Meta combinations belong to the window (menus, mnemonics).
bool IsWindowShortcut(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier);
}

bool IsControlCharacter(QChar c) {
  return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0);
}

// The keypad's decimal key, "," on many layouts, is the point (with Num Lock off, Delete).
bool IsKeypadDecimalKey(const QKeyEvent* event) {
  return (event->modifiers() & Qt::KeypadModifier) &&
         (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
}

// Text arriving other than by a typed key (a paste, a drop) loses the white space around
// it: a validator, as the line edit checks every edit with it before it reports the change.
class ArrivingTextTrimmer : public QValidator {
 public:
  ArrivingTextTrimmer(const QString& before, const int& typedKeys, QObject* parent)
      : QValidator(parent), before_(before), typedKeys_(typedKeys) {}

  State validate(QString& input, int& pos) const override {
    if (typedKeys_ > 0) return Acceptable;
    // What arrived lies between the old text's unchanged start and end.
    const qsizetype most = std::min(input.size(), before_.size());
    const auto from = input.cbegin();
    const qsizetype start = std::mismatch(from, from + most, before_.cbegin()).first - from;
    const auto back = input.crbegin();
    const qsizetype end =
        input.size() - (std::mismatch(back, back + (most - start), before_.crbegin()).first - back);
    // A tab inside becomes a space: it would be laid out to a stop past the field's end.
    std::replace(input.begin() + start, input.begin() + end, QChar(u'\t'), QChar(u' '));
    qsizetype leading = 0, trailing = 0;
    while (start + leading < end && input[start + leading].isSpace()) ++leading;
    while (end - trailing > start + leading && input[end - trailing - 1].isSpace()) ++trailing;
    if (leading + trailing == 0) return Acceptable;
    input.remove(end - trailing, trailing).remove(start, leading);
    if (pos >= end) {
      pos -= static_cast<int>(leading + trailing);
    } else if (pos > start) {
      pos = static_cast<int>(std::clamp(pos - leading, start, end - leading - trailing));
    }
    return Acceptable;
  }

 private:
  const QString& before_;
  const int& typedKeys_;
};

// The line edit keeps this much room on either side of its text.
constexpr int kLineEditTextMargin = 2;
// A line edit scrolls once its text and the caret's pixel reach the far edge.
constexpr qreal kCaretRoom = 2;

// The widest stretch at which `text` fits `width` with the caret; AnyStretch if it fits as is.
int CondensedStretch(QFont font, const QString& text, int width, const QPaintDevice* device) {
  const auto advance = [&](int stretch) {
    font.setStretch(stretch);
    return QFontMetricsF(font, device).horizontalAdvance(text);
  };
  const qreal room = width - kCaretRoom;
  const qreal natural = advance(QFont::AnyStretch);
  if (natural <= room || natural <= 0) return QFont::AnyStretch;
  // Widths scale about linearly with the stretch; hinting may round a glyph up, so step down.
  int stretch = std::clamp(static_cast<int>(100 * room / natural), 1, 99);
  while (stretch > 1 && advance(stretch) > room) --stretch;
  return stretch;
}

}  // namespace

KeyCode KeyCodeOfCharacter(const QString& character) {
  if (character.isEmpty()) return kDiscardKey;
  const char16_t unit = character.front().unicode();
  return unit < 0x100 ? static_cast<KeyCode>(unit) : KeyCode{0x7fff};
}

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {
  setValidator(new ArrivingTextTrimmer(lastText_, typedKeys_, this));
  connect(this, &QLineEdit::textChanged, this, &EntryField::OnTextChanged);
}

void EntryField::OnTextChanged(const QString& text) {
  // Qt also reports edits that leave the text as it was (a paste of the same text).
  if (text == lastText_) return;
  lastText_ = text;
  // Fitted before the handlers run: a nested write fits its own text last.
  FitText();
  if (programWrites_ == 0 && typedKeys_ == 0) emit UserEdit();
  emit Change();
}

void EntryField::WriteText(const QString& text) {
  if (text == this->text()) return;
  const QScopedValueRollback writing(programWrites_, programWrites_ + 1);
  setText(text);
}

void EntryField::FitText() {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const int width = contents.marginsRemoved(textMargins()).width() - 2 * kLineEditTextMargin;
  QFont condensed = font();
  // As shown: the line edit shows control characters and separators as spaces.
  condensed.setStretch(CondensedStretch(condensed, displayText(), width, this));
  if (condensed.stretch() == font().stretch()) return;
  // Changing the font re-enters changeEvent, which must not fit again.
  const QScopedValueRollback guard(fitting_, true);
  setFont(condensed);
}

void EntryField::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange && !fitting_) FitText();
}

void EntryField::WriteTextExemptFromLengthRule(const QString& text) {
  const QScopedValueRollback exempt(exemptWrite_, true);
  WriteText(text);
}

void EntryField::ApplyKeyCode(KeyCode keyCode, const QString& typed) {
  if (keyCode == kDiscardKey) return;
  const QScopedValueRollback typing(typedKeys_, typedKeys_ + 1);
  if (keyCode != kBackspaceKey) {
    insert(keyCode == KeyCodeOfCharacter(typed) ? typed : QString(QChar(keyCode)));
  } else if (hasSelectedText()) {
    del();
  } else {
    backspace();
  }
}

KeyCode EntryField::TypeCharacter(const QString& character) {
  const KeyCode keyCode = KeyPress(KeyCodeOfCharacter(character));
  ApplyKeyCode(keyCode, character);
  return keyCode;
}

void EntryField::keyPressEvent(QKeyEvent* event) {
  if (CollapseSelection(event)) return;
  if (isReadOnly() || IsEditingShortcut(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (IsWindowShortcut(event)) {
    event->ignore();
    return;
  }
  const QString text = event->text();
  if (const KeyCode fixed = ControlKeyCode(event->key()); fixed != kDiscardKey) {
    ApplyKeyCode(KeyPress(fixed), QString(QChar(fixed)));
  } else if (IsKeypadDecimalKey(event)) {
    TypeCharacter(QStringLiteral("."));
  } else if (!text.isEmpty() && event->key() != Qt::Key_Delete && !IsControlCharacter(text[0])) {
    // Every typed character, printable or not, meets the key handler.
    for (const QString& character : Characters(text)) TypeCharacter(character);
  } else {
    QLineEdit::keyPressEvent(event);  // types no character: edits as the platform does
    return;
  }
  event->accept();
}

// Left and Right over a selection stop at its start or end, as on X11, GTK and macOS;
// Qt's Windows scheme, which the offscreen platform uses, would move on past it.
bool EntryField::CollapseSelection(const QKeyEvent* event) {
  const int key = event->key();
  if (!hasSelectedText() || (key != Qt::Key_Left && key != Qt::Key_Right) ||
      (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return false;
  }
  setCursorPosition(key == Qt::Key_Left ? selectionStart() : selectionEnd());
  return true;
}

void EntryField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  switch (event->reason()) {
    // Back from a message box, a popup or another application: the focus has not
    // moved within the window.
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
      return;
    case Qt::MouseFocusReason:
      // The press that follows would place the caret over the selection: wait for it.
      gotFocusByMouse_ = true;
      return;
    default:
      emit GotFocus();
  }
}

void EntryField::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  if (gotFocusByMouse_) {
    gotFocusByMouse_ = false;
    emit GotFocus();
  }
}

void EntryField::inputMethodEvent(QInputMethodEvent* event) {
  // Composed text is typed like keys, trimmed as a paste is. Once a character is
  // refused, the rest is dropped: each could raise a range warning of its own.
  if (isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  for (const QString& character : Characters(event->commitString().trimmed())) {
    if (TypeCharacter(character) == kDiscardKey) break;
  }
  event->accept();
}

}  // namespace ui
