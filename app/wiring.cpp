// Connects every control event the program handles to its named handler.
#include <QCheckBox>
#include <QRadioButton>

#include "app/frm_main.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"

namespace app {

void FrmMain::ConnectHandlers() {
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    if (entry.role == optics::FieldRole::Output) continue;
    const optics::Field field = entry.field;
    ui::EntryField* box = &Box(field);
    box->SetKeyHandler([this, field](ui::KeyCode code) { return Txt_KeyPress(field, code); });
    connect(box, &ui::EntryField::Change, this, [this, field] { Txt_Change(field); });
    connect(box, &ui::EntryField::GotFocus, this, [this, field] { Txt_GotFocus(field); });
    connect(box, &ui::EntryField::UserEdit, this, [this, field] { Txt_UserEdit(field); });
  }

  connect(c_.ChkCameraSelect, &QCheckBox::clicked, this, &FrmMain::ChkCameraSelect_Click);
  for (int index = 0; index < static_cast<int>(c_.OptCameraType.size()); ++index) {
    // Only a button becoming chosen is a click; unchoosing from code raises nothing.
    connect(c_.OptCameraType[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
            [this, index](bool chosen) {
              if (chosen) OptCameraType_Click(index);
            });
  }
  connect(c_.LstCamera, &ui::ListBox::Click, this, &FrmMain::LstCamera_Click);
  connect(c_.LstLens, &ui::ListBox::Click, this, &FrmMain::LstLens_Click);
}

}  // namespace app
