// Connects every control event the program handles to its named handler.
#include <QCheckBox>
#include <QRadioButton>

#include "app/frm_main.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"

namespace app {
namespace {

using Handler = void (FrmMain::*)();
using KeyHandler = void (FrmMain::*)(ui::KeyCode&);

struct EntryWiring {
  optics::Field field;
  KeyHandler keyPress;
  Handler change;
  Handler gotFocus;
  Handler userEdit = nullptr;  // only where a user's edit means more than a change
};

}  // namespace

void FrmMain::ConnectHandlers() {
  using optics::Field;
  const EntryWiring entries[] = {
      {Field::Txt_ang_f, &FrmMain::Txt_ang_f_KeyPress, &FrmMain::Txt_ang_f_Change,
       &FrmMain::Txt_ang_f_GotFocus, &FrmMain::Txt_ang_f_UserEdit},
      {Field::Txt_ang_L, &FrmMain::Txt_ang_L_KeyPress, &FrmMain::Txt_ang_L_Change,
       &FrmMain::Txt_ang_L_GotFocus},
      {Field::Txt_L_f, &FrmMain::Txt_L_f_KeyPress, &FrmMain::Txt_L_f_Change,
       &FrmMain::Txt_L_f_GotFocus, &FrmMain::Txt_L_f_UserEdit},
      {Field::Txt_L_W, &FrmMain::Txt_L_W_KeyPress, &FrmMain::Txt_L_W_Change,
       &FrmMain::Txt_L_W_GotFocus, &FrmMain::Txt_L_W_UserEdit},
      {Field::Txt_L_H, &FrmMain::Txt_L_H_KeyPress, &FrmMain::Txt_L_H_Change,
       &FrmMain::Txt_L_H_GotFocus, &FrmMain::Txt_L_H_UserEdit},
      {Field::TxtWandL_W, &FrmMain::TxtWandL_W_KeyPress, &FrmMain::TxtWandL_W_Change,
       &FrmMain::TxtWandL_W_GotFocus, &FrmMain::TxtWandL_W_UserEdit},
      {Field::TxtWandL_H, &FrmMain::TxtWandL_H_KeyPress, &FrmMain::TxtWandL_H_Change,
       &FrmMain::TxtWandL_H_GotFocus, &FrmMain::TxtWandL_H_UserEdit},
      {Field::TxtWandL_L, &FrmMain::TxtWandL_L_KeyPress, &FrmMain::TxtWandL_L_Change,
       &FrmMain::TxtWandL_L_GotFocus},
      {Field::Txtillumination_M0, &FrmMain::Txtillumination_M0_KeyPress,
       &FrmMain::Txtillumination_M0_Change, &FrmMain::Txtillumination_M0_GotFocus},
      {Field::Txt_F0, &FrmMain::Txt_F0_KeyPress, &FrmMain::Txt_F0_Change,
       &FrmMain::Txt_F0_GotFocus},
      {Field::Txt_F1, &FrmMain::Txt_F1_KeyPress, &FrmMain::Txt_F1_Change,
       &FrmMain::Txt_F1_GotFocus},
  };
  for (const EntryWiring& entry : entries) {
    ui::EntryField* box = &Box(entry.field);
    connect(box, &ui::EntryField::KeyPress, this, entry.keyPress);
    connect(box, &ui::EntryField::Change, this, entry.change);
    connect(box, &ui::EntryField::GotFocus, this, entry.gotFocus);
    if (entry.userEdit != nullptr) connect(box, &ui::EntryField::UserEdit, this, entry.userEdit);
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
