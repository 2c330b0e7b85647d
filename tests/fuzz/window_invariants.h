#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include "tests/fuzz/window_action.h"

namespace app {
class FrmMain;
}

namespace fuzz {

// What must hold after every action, whatever was done to the window:
// (a) an entry field that only ever met the key filter holds at most 4 characters;
// (b) with "Lens Select" clear, the catalogue panel is off and empty, no camera type
//     is chosen and every result label is enabled;
// (c) while a camera or lens is chosen, only the result rows of its format are
//     enabled;
// (e) an entry field that only ever met the key filter holds digits and at most
//     one point;
// (f) every label and every field without the focus shows its whole text, uncut,
//     unscrolled and clear of the grid lines (read from its pixels, once for each
//     text it shows);
// (g) Left or Right over a selection collapses it to its start or end, as on X11;
// (h) a result label tells a pixel density (its tool tip, repeated at the end of
//     its description) only while a camera is chosen, on an enabled row, and
//     while it shows a value other than 0;
// (i) while the window is shown, one of its controls has the focus.
// The width and height fields are left out of (a) and (e): the program writes
// partner values of five characters into them. A field a paste reached is left out
// until it is empty again; undo and redo count as a paste once a field was pasted
// into, since they may bring the pasted text back.
class WindowInvariants {
 public:
  explicit WindowInvariants(const app::FrmMain& window) : window_(window) {}

  // Call before the action is carried out: notes which field it pastes into and
  // where a caret key must leave the caret.
  void Before(const Action& action);

  // What is wrong, one line for each broken invariant; empty when all hold.
  QStringList Check();

 private:
  QString CheckTypedFields();
  QString CheckSelectionOff() const;
  QString CheckChosenFormat() const;
  QString CheckWholeTexts();
  QString CheckCaret();
  void ExpectCaret(const Action& action);
  QString CheckDensityNotes() const;
  QString CheckFocus() const;

  const app::FrmMain& window_;
  QSet<QString> pasted_;                // fields whose text may not have met the key filter
  QSet<QString> everPasted_;            // fields whose undo history may hold a paste
  QHash<QString, QString> shownWhole_;  // control, the last text it was seen whole with
  QString caretField_;                  // the field a caret key went to, "" when none did
  int expectedCaret_ = -1;
};

}  // namespace fuzz
