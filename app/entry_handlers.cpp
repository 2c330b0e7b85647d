// The handlers of the entry fields: the key filter, the length rule, then the
// field's calculator, each field as its row of optics::kEntryFields says.
#include <QTimer>

#include "app/frm_main.h"
#include "optics/angle_of_view.h"
#include "optics/distance_and_focal_length.h"
#include "optics/illumination.h"
#include "ui/entry_field.h"
#include "ui/entry_keys.h"
#include "ui/numeric_entry.h"

namespace app {

using optics::FieldRole;

// A size field is the typed box whatever the filter made of the key, so that the
// calculator derives the other size from it.
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

// A change made without typing (a paste, a cut, Delete, undo, a drop, an assistive
// technology) is the user's entry as much as a typed one, and runs before Change:
// a pasted size becomes the typed box, and a pasted focal length meets the range
// once, as a whole; the warning is advisory and the text stays.
void FrmMain::Txt_UserEdit(optics::Field Index) {
  const FieldRole role = optics::FieldInfo(Index).role;
  if (role == FieldRole::FocalLength) CheckEditedFocalLength(Box(Index));
  if (role == FieldRole::Size) vars_.LastSizeBox = Index;
}

// Judged on the text before the length rule cuts it, but shown from the event
// loop, so that the edit's caller (a D-Bus call) returns without waiting for the user.
void FrmMain::CheckEditedFocalLength(const ui::EntryField& box) {
  const catalogue::RangeWarning warning =
      catalogue::CheckEditedFocalLength(box.text().toStdString(), vars_.SelRange);
  if (warning == catalogue::RangeWarning::None) return;
  QTimer::singleShot(0, this, [this, warning] { ShowRangeWarning(warning); });
}

void FrmMain::RunCalculator(optics::Calculator calculator) {
  switch (calculator) {
    case optics::Calculator::AngleOfView:
      return optics::CalcAngleOfView(*this);
    case optics::Calculator::Distance:
      return optics::CalcDistance(*this);
    case optics::Calculator::FocalLength:
      return optics::CalcFocalLength(*this);
    case optics::Calculator::Illumination:
      return optics::CalcIllumination(*this);
    case optics::Calculator::None:
      return;
  }
}

}  // namespace app
