// A change of an entry field that the user makes without typing a character (a
// paste, a cut, Delete, undo or redo, a drop, an assistive technology) is the
// user's entry as much as a typed one. Each handler runs before the field's
// change handling.
#include "app/frm_main.h"
#include "ui/entry_field.h"

namespace app {

using optics::Field;

// A pasted size is the size the user means: it becomes the typed box, so the
// calculator derives the other size from it instead of writing over it.
void FrmMain::Txt_L_W_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::Txt_L_W); }
void FrmMain::Txt_L_H_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::Txt_L_H); }
void FrmMain::TxtWandL_W_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_W); }
void FrmMain::TxtWandL_H_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_H); }

// A pasted focal length meets the range in force once, as a whole; the warning
// is advisory and the text stays.
void FrmMain::Txt_ang_f_UserEdit() { CheckEditedFocalLength(Box(Field::Txt_ang_f)); }
void FrmMain::Txt_L_f_UserEdit() { CheckEditedFocalLength(Box(Field::Txt_L_f)); }

void FrmMain::CheckEditedFocalLength(const ui::EntryField& box) {
  ShowRangeWarning(
      catalogue::CheckEditedFocalLength(box.text().toStdString(), vars_.SelFmin, vars_.SelFmax));
}

}  // namespace app
