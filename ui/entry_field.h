#pragma once

#include <QLineEdit>
#include <functional>

#include "ui/entry_keys.h"

namespace ui {

// A single-line text box with the events the calculators rely on: Change for every change of
// the text before the change returns, after UserEdit where neither a typed key nor the program
// made it; every typed character through the key handler first; GotFocus for a move of the
// focus within the window. A text wider than the box is drawn condensed rather than scrolled.
class EntryField : public QLineEdit {
  Q_OBJECT

 public:
  explicit EntryField(QWidget* parent = nullptr);

  // Writing the text the box holds raises nothing.
  void WriteText(const QString& text);

  // A write that the length rule leaves alone while its change handling runs.
  void WriteTextExemptFromLengthRule(const QString& text);
  bool InExemptWrite() const { return exemptWrite_; }
  bool InProgramWrite() const { return programWrites_ > 0; }

  // Applies the code the key handler returned for `typed`.
  void ApplyKeyCode(KeyCode keyCode, const QString& typed);

  // Sees every typed character's code first and returns the one to apply.
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
  KeyCode TypeCharacter(const QString& character);
  bool CollapseSelection(const QKeyEvent* event);
  void OnTextChanged(const QString& text);
  void FitText();

  KeyCode KeyPress(KeyCode keyCode) const { return keyHandler_ ? keyHandler_(keyCode) : keyCode; }

  KeyHandler keyHandler_;
  QString lastText_;       // the text the last Change was raised for
  int programWrites_ = 0;  // nesting depth of the program's writes
  int typedKeys_ = 0;      // nesting depth of typed keys being applied
  bool fitting_ = false;
  bool exemptWrite_ = false;
  bool gotFocusByMouse_ = false;
};

// A character's own code where it is single-byte, else one that counts as any other.
KeyCode KeyCodeOfCharacter(const QString& character);

}  // namespace ui
