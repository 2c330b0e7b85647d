// A change of an entry field that the user makes without typing a character (a
// paste, a cut, Delete, undo or redo, a drop, an assistive technology) is the
// user's entry as much as a typed one. Each handler runs before the field's
// change handling.
#include "app/frm_main.h"

#include <QTimer>

#include "ui/entry_field.h"

namespace app {

using optics::Field;

// A pasted size is the size the user means: it becomes the typed box, so the
// calculator derives the other size from it instead of writing over it.
void FrmMain::Txt_L_W_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::Txt_L_W); }
void FrmMain::Txt_L_H_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::Txt_L_H); }
void FrmMain::TxtWandL_W_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_W); }
void FrmMain::TxtWandL_H_UserEdit() { vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_H); }

// A pasted focal length meets the range in force once, as a whole, as the edit
// made it; the warning is advisory and the text stays.
void FrmMain::Txt_ang_f_UserEdit() { CheckEditedFocalLength(Box(Field::Txt_ang_f)); }
void FrmMain::Txt_L_f_UserEdit() { CheckEditedFocalLength(Box(Field::Txt_L_f)); }

// Judged now, on the text before the change handling cuts it, but shown from the
// event loop: the edit's caller (a paste, an assistive technology's call over
// D-Bus) returns at once instead of waiting for the user to answer the box.
void FrmMain::CheckEditedFocalLength(const ui::EntryField& box) {
  const catalogue::RangeWarning warning =
      catalogue::CheckEditedFocalLength(box.text().toStdString(), vars_.SelFmin, vars_.SelFmax);
  if (warning == catalogue::RangeWarning::None) return;
  QTimer::singleShot(0, this, [this, warning] { ShowRangeWarning(warning); });
}

}  // namespace app
