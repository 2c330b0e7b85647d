#pragma once

#include <QString>
#include <Qt>

namespace app {
class FrmMain;
}

namespace fuzz {

enum class ActionKind {
  Key,         // a key press and release on target (focused first), or on the focus widget
  Compose,     // text committed by an input method into target
  Paste,       // the whole text of target replaced, as a paste from the context menu
  Focus,       // the focus moved to target from code, as the Tab key moves it
  MouseFocus,  // a click into target
  Click,       // a click on a check box or option button
  Select,      // a click on entry `row` of a list
  Clipboard,   // the clipboard set to text; the window sees nothing
};

// One thing a user does to the window. An action is plain data, so that a failing
// run can be replayed on a fresh window and cut down to the actions that matter.
struct Action {
  ActionKind kind = ActionKind::Key;
  QString target;  // control name; empty for a key on whatever has the focus
  int key = 0;     // Qt::Key for Key actions
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text;  // key text, pasted or composed text, list entry, clipboard text
  int row = -1;  // list row for Select actions
};

// Carries the action out through Qt's own events. An action whose target is
// disabled or gone by now does nothing; returns whether it was carried out.
bool Execute(app::FrmMain& window, const Action& action);

// How an action changes the text of an entry field: typed keys meet the key
// filter, a paste (context menu, Ctrl+V, Shift+Insert) does not, and undo or redo
// may bring back what a paste put there.
enum class Edit { None, Typing, Paste, UndoRedo };

struct FieldEdit {
  QString field;  // entry field name, "" when no field is edited
  Edit edit = Edit::None;
};

// `focusName` is the control that has the focus before the action.
FieldEdit EditOf(const Action& action, const QString& focusName);

}  // namespace fuzz
