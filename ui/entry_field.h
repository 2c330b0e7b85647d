#pragma once

#include <QLineEdit>
#include <functional>

#include "ui/key_code.h"

namespace ui {

// A single-line text box with the event semantics the calculators rely on:
// - every change of the text, typed or written by the program, raises Change before
//   the change returns; writing the text the box already holds raises nothing;
// - every key that produces a character (and Backspace, Return, Escape) first goes
//   through the key handler with its code, and the handler returns the code to
//   apply: 0 discards the key, 8 acts as Backspace; Delete, the arrows, Home, End and the Ctrl
//   shortcuts edit as the platform does without passing it, and Alt shortcuts
//   are left to the window; Left and Right over a selection collapse it to its
//   start or end on every platform;
// - a change the user makes without typing a character (a paste, a cut, Delete,
//   undo, a drop, an assistive technology's write) raises UserEdit before Change;
//   text that arrives so, or from an input method, loses the white space around it
//   first, and the keypad's decimal key types "." whatever the layout gives;
// - GotFocus is raised when the focus moves to the box within the window, but not
//   when it comes back from a message box, a popup or another application;
// - the whole text always stands in the box: a text wider than it (a value the
//   program writes) is drawn condensed rather than scrolled.
class EntryField : public QLineEdit {
  Q_OBJECT

 public:
  explicit EntryField(QWidget* parent = nullptr);

  // The program's write of the whole text.
  void WriteText(const QString& text);

  // A write that the length rule leaves alone while its change handling runs.
  void WriteTextExemptFromLengthRule(const QString& text);
  bool InExemptWrite() const { return exemptWrite_; }
  bool InProgramWrite() const { return programWrites_ > 0; }

  // Applies a key code as the handler left it, for the typed character.
  void ApplyKeyCode(KeyCode keyCode, const QString& typed);

  // The key handling every typed character meets first, called directly: it hands
  // back the code to apply. Without one, every key is applied as typed.
  using KeyHandler = std::function<KeyCode(KeyCode)>;
  void SetKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }

 signals:
  void UserEdit();
  void Change();
  void GotFocus();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Runs the key handling for one typed character; returns the code applied.
  KeyCode TypeCharacter(const QString& character);
  bool CollapseSelection(const QKeyEvent* event);
  void OnTextChanged(const QString& text);
  void FitText();
  // Where the line edit draws its text, caret and selection: inside its frame.
  QRect TextRect() const;

  KeyCode KeyPress(KeyCode keyCode) const { return keyHandler_ ? keyHandler_(keyCode) : keyCode; }

  KeyHandler keyHandler_;
  QString lastText_;       // the text the last Change was raised for
  int programWrites_ = 0;  // nesting depth of the program's writes
  int typedKeys_ = 0;      // nesting depth of typed keys being applied
  bool fitting_ = false;
  bool exemptWrite_ = false;
  bool gotFocusByMouse_ = false;
};

// The key code of one typed character: its code when it is in the single-byte
// range, else a code that counts as "any other character".
KeyCode KeyCodeOfCharacter(const QString& character);

}  // namespace ui
