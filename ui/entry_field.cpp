#include "ui/entry_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

#include "ui/characters.h"
#include "ui/condensed_font.h"

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

// The keypad's decimal key types "," on many layouts ("." on others): in a field
// that takes only "." as the decimal point, it is the point. With Num Lock off the
// key is Delete and edits as Delete.
bool IsKeypadDecimalKey(const QKeyEvent* event) {
  return (event->modifiers() & Qt::KeypadModifier) &&
         (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
}

// Text that reaches the field other than by a typed key (a paste, a drop, an
// assistive technology's write) comes without the white space around it: a
// spreadsheet cell's tab or a document's spaces are no part of the value, and the
// field holds what it shows. The line edit checks every edit here before it
// reports the change; what the edit put between the old text's unchanged start
// and end is what arrived.
class ArrivingTextTrimmer : public QValidator {
 public:
  ArrivingTextTrimmer(const QString& before, const int& typedKeys, QObject* parent)
      : QValidator(parent), before_(before), typedKeys_(typedKeys) {}

  State validate(QString& input, int& pos) const override {
    if (typedKeys_ > 0) return Acceptable;
    const qsizetype most = std::min(input.size(), before_.size());
    qsizetype start = 0;
    while (start < most && input[start] == before_[start]) ++start;
    qsizetype end = input.size();  // the arrived text is input[start, end)
    while (end > start && input.size() - end < before_.size() - start &&
           input[end - 1] == before_[before_.size() - (input.size() - end) - 1]) {
      --end;
    }
    // A tab inside stays white space, as a space: the line edit would lay it out
    // to a tab stop beyond the field's end.
    for (qsizetype i = start; i < end; ++i) {
      if (input[i] == QLatin1Char('\t')) input[i] = QLatin1Char(' ');
    }
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

}  // namespace

KeyCode KeyCodeOfCharacter(const QString& character) {
  if (character.isEmpty()) return kDiscardKey;
  const char16_t unit = character.front().unicode();
  // Non-single-byte characters keep a code that matches no digit, point or control
  // key, so the filter treats them like any other character.
  return unit < 0x100 ? static_cast<KeyCode>(unit) : KeyCode{0x7fff};
}

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {
  setValidator(new ArrivingTextTrimmer(lastText_, typedKeys_, this));
  connect(this, &QLineEdit::textChanged, this, &EntryField::OnTextChanged);
}

void EntryField::OnTextChanged(const QString& text) {
  // Qt also reports edits that leave the text as it was (a paste of the same
  // text); only a different text is a change.
  if (text == lastText_) return;
  lastText_ = text;
  // Fitted before the handlers run: a nested write fits its own text last.
  FitText();
  // Whatever changed the text, if neither a typed key nor the program did, the
  // user did.
  if (programWrites_ == 0 && typedKeys_ == 0) emit UserEdit();
  emit Change();
}

void EntryField::WriteText(const QString& text) {
  if (text == this->text()) return;
  const QScopedValueRollback writing(programWrites_, programWrites_ + 1);
  setText(text);
}

QRect EntryField::TextRect() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, this)
      .marginsRemoved(textMargins());
}

void EntryField::FitText() {
  const int width = TextRect().width() - 2 * kLineEditTextMargin;
  QFont condensed = font();
  // Measured as shown: the line edit shows control characters and line and
  // paragraph separators as spaces.
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
  const bool outer = exemptWrite_;
  exemptWrite_ = true;
  WriteText(text);
  exemptWrite_ = outer;
}

void EntryField::ApplyKeyCode(KeyCode keyCode, const QString& typed) {
  if (keyCode == kDiscardKey) return;
  const QScopedValueRollback typing(typedKeys_, typedKeys_ + 1);
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
  if (const KeyCode fixed = ControlKeyCode(event->key()); fixed != kDiscardKey) {
    ApplyKeyCode(KeyPress(fixed), QString(QChar(fixed)));
    event->accept();
    return;
  }
  if (IsKeypadDecimalKey(event)) {
    TypeCharacter(QStringLiteral("."));
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

// Left and Right over a selection leave the caret at its start or end, as X11,
// GTK and macOS do; Qt's Windows scheme, which the offscreen platform uses, would
// move it on from the selection's end. One behaviour everywhere.
bool EntryField::CollapseSelection(const QKeyEvent* event) {
  if (!hasSelectedText() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return false;
  }
  if (event->key() == Qt::Key_Left) {
    setCursorPosition(selectionStart());
  } else if (event->key() == Qt::Key_Right) {
    setCursorPosition(selectionEnd());
  } else {
    return false;
  }
  return true;
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
  // Text composed by an input method is typed like keys, so it meets the filter,
  // without the white space around it, as a paste.
  if (isReadOnly()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  // A commit may be long. Once a character is refused the commit is no number
  // this field takes, and each further character could raise a range warning of
  // its own: the rest of the commit is dropped.
  for (const QString& character : Characters(event->commitString().trimmed())) {
    if (TypeCharacter(character) == kDiscardKey) break;
  }
  event->accept();
}

}  // namespace ui
