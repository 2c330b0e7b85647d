// The handlers of the eleven entry fields. Every key first meets the key filter
// (at most 4 characters); every change first meets the length rule (a longer
// text is cut to 4) and then runs the field's calculator. What differs from one
// field to the next is its row of optics::kEntryFields.
#include <QTimer>

#include "app/frm_main.h"
#include "ui/entry_field.h"
#include "ui/entry_limits.h"
#include "ui/numeric_entry.h"

namespace app {

using optics::FieldRole;

// Focal lengths are checked against the chosen camera's or lens's range. The width
// and height fields remember that they were typed into last, whatever the filter
// made of the key, so that the calculator derives the other size.
ui::KeyCode FrmMain::Txt_KeyPress(optics::Field Index, ui::KeyCode KeyAscii) {
  ui::FilterNumericKey(KeyAscii, ui::kKeyFilterLimit, Box(Index));
  const FieldRole role = optics::FieldInfo(Index).role;
  if (role == FieldRole::FocalLength) CheckFocalRange(KeyAscii, Box(Index));
  if (role == FieldRole::Size) vars_.LastSizeBox = Index;
  return KeyAscii;
}

// When the length rule cuts the text, the cut is itself a change: the handler runs
// again nested, finds 4 characters and computes; this run then computes once more.
void FrmMain::Txt_Change(optics::Field Index) {
  ui::LimitTextLength(Box(Index), ui::kLengthRuleLimit);
  RunCalculator(optics::FieldInfo(Index).calculator);
}

void FrmMain::Txt_GotFocus(optics::Field Index) { ui::SelectWholeText(Box(Index)); }

// A change the user makes without typing a character (a paste, a cut, Delete,
// undo or redo, a drop, an assistive technology) is the user's entry as much as a
// typed one; this runs before the field's change handling. A pasted size is the
// size the user means: it becomes the typed box, so the calculator derives the
// other size from it instead of writing over it. A pasted focal length meets the
// range in force once, as a whole, as the edit made it; the warning is advisory
// and the text stays.
void FrmMain::Txt_UserEdit(optics::Field Index) {
  const FieldRole role = optics::FieldInfo(Index).role;
  if (role == FieldRole::FocalLength) CheckEditedFocalLength(Box(Index));
  if (role == FieldRole::Size) vars_.LastSizeBox = Index;
}

// Judged now, on the text before the change handling cuts it, but shown from the
// event loop: the edit's caller (a paste, an assistive technology's call over
// D-Bus) returns at once instead of waiting for the user to answer the box.
void FrmMain::CheckEditedFocalLength(const ui::EntryField& box) {
  const catalogue::RangeWarning warning =
      catalogue::CheckEditedFocalLength(box.text().toStdString(), vars_.SelRange);
  if (warning == catalogue::RangeWarning::None) return;
  QTimer::singleShot(0, this, [this, warning] { ShowRangeWarning(warning); });
}

void FrmMain::RunCalculator(optics::Calculator calculator) {
  switch (calculator) {
    case optics::Calculator::AngleOfView:
      return CalcAngleOfView();
    case optics::Calculator::Distance:
      return CalcDistance();
    case optics::Calculator::FocalLength:
      return CalcFocalLength();
    case optics::Calculator::Illumination:
      return CalcIllumination();
    case optics::Calculator::None:
      return;
  }
}

}  // namespace app
