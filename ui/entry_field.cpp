#include "ui/entry_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "ui/characters.h"

namespace ui {
namespace {

// Keys that reach the key handler with a fixed code although they type no text.
KeyCode ControlKeyCode(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return kBackspaceKey;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kReturnKey;
    case Qt::Key_Escape:
      return kEscapeKey;
    default:
      return kDiscardKey;
  }
}

// Shortcuts are recognised by key and modifiers, not by the event's text: on X11
// Ctrl+V arrives with the text "\x16", synthesised events with "v". Ctrl with Alt
// is AltGr on some keyboards, which types characters.
bool IsEditingShortcut(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  return (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
}

// Alt and Meta combinations belong to the window (menus, mnemonics): they type
// nothing into the field.
bool IsWindowShortcut(const QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier);
}

bool IsControlCharacter(QChar c) {
  return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0);
}

}  // namespace

KeyCode KeyCodeOfCharacter(const QString& character) {
  if (character.isEmpty()) return kDiscardKey;
  const char16_t unit = character.front().unicode();
  // Non-single-byte characters keep a code that matches no digit, point or control
  // key, so the filter treats them like any other character.
  return unit < 0x100 ? static_cast<KeyCode>(unit) : KeyCode{0x7fff};
}

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &EntryField::OnTextChanged);
}

void EntryField::OnTextChanged(const QString& text) {
  // Qt also reports edits that leave the text as it was (a paste of the same
  // text); only a different text is a change.
  if (text == lastText_) return;
  lastText_ = text;
  emit Change();
}

void EntryField::WriteText(const QString& text) {
  if (text == this->text()) return;
  setText(text);
}

void EntryField::WriteTextExemptFromLengthRule(const QString& text) {
  const bool outer = exemptWrite_;
  exemptWrite_ = true;
  WriteText(text);
  exemptWrite_ = outer;
}

void EntryField::ApplyKeyCode(KeyCode keyCode, const QString& typed) {
  if (keyCode == kDiscardKey) return;
  if (keyCode == kBackspaceKey) {
    if (hasSelectedText()) {
      del();
    } else {
      backspace();
    }
    return;
  }
  insert(keyCode == KeyCodeOfCharacter(typed) ? typed : QString(QChar(keyCode)));
}

KeyCode EntryField::TypeCharacter(const QString& character) {
  KeyCode keyCode = KeyCodeOfCharacter(character);
  emit KeyPress(keyCode);
  ApplyKeyCode(keyCode, character);
  return keyCode;
}

void EntryField::keyPressEvent(QKeyEvent* event) {
  if (isReadOnly() || IsEditingShortcut(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (IsWindowShortcut(event)) {
    event->ignore();
    return;
  }
  if (const KeyCode fixed = ControlKeyCode(event->key()); fixed != kDiscardKey) {
    KeyCode keyCode = fixed;
    emit KeyPress(keyCode);
    ApplyKeyCode(keyCode, QString(QChar(fixed)));
    event->accept();
    return;
  }
  // Every character that is typed, printable or not (format characters, private
  // use, beyond the basic plane), meets the key handler; only keys that type no
  // character (Delete, the arrows, Home, End, function keys) edit as the platform
  // does.
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Delete || IsControlCharacter(text.front())) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  for (const QString& character : Characters(text)) TypeCharacter(character);
  event->accept();
}

void EntryField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
      return;
    case Qt::MouseFocusReason:
      // The press that follows would place the caret over the selection: the focus
      // handling runs once that press is done.
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
  // Text composed by an input method is typed like keys, so it meets the filter.
  if (isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // A commit may be long. Once a character is refused the commit is no number
  // this field takes, and each further character could raise a range warning of
  // its own: the rest of the commit is dropped.
  for (const QString& character : Characters(event->commitString())) {
    if (TypeCharacter(character) == kDiscardKey) break;
  }
  event->accept();
}

}  // namespace ui
